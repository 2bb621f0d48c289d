"""deckplayer-mini used as a person uses it, and the playlist file that
remembers its folder and entry between runs."""
import time

import numpy
import pytest

import deck
import harness
from harness import wait_until
from test_deckplayer import open_file, power_on_and_open_panel

LIST = 9
PLAYLIST = "плейлист.pcs"


def playlist_bytes(folder):
    return (folder / PLAYLIST).read_bytes()


def playlist_text(folder):
    return playlist_bytes(folder).decode("cp1251")


@pytest.fixture
def music(tmp_path):
    folder = tmp_path / "music"
    folder.mkdir()
    for name, hz in (("one.wav", 440.0), ("two.wav", 660.0), ("three.wav", 880.0)):
        harness.write_tone_wav(folder / name, hz, 20)
    return folder


def close(app):
    app.click_close_box()
    assert app.wait_exit() == 0


def test_without_a_playlist_it_lists_its_folder_and_remembers_it(launch, workdir):
    harness.write_tone_wav(workdir / "here.wav", 440.0, 2)
    harness.write_tone_wav(workdir / "there.wav", 660.0, 2)
    assert not (workdir / PLAYLIST).exists()

    app = launch("deckplayer-mini.exe", workdir)
    listed = app.control(LIST)
    assert sorted(listed.items) == ["here.wav", "there.wav"]
    assert listed.selected == 0
    close(app)

    # Nothing was chosen: the folder reads as the empty text, the entry as 0.
    assert playlist_bytes(workdir) == "Путь = \r\nПозиция = 0\r\n".encode("cp1251")


def test_the_folder_chosen_and_the_entry_come_back(launch, workdir, music):
    app = launch("deckplayer-mini.exe", workdir)
    power_on_and_open_panel(app)
    open_file(app, music / "two.wav")
    wait_until(lambda: app.title().startswith("two.wav   "), 30, 0.2, "two.wav to play")
    listed = app.control(LIST)
    index = listed.items.index("two.wav")
    assert app.title() == f"two.wav   {index + 1}/3"
    close(app)

    path = harness.windows_path(music / "two.wav")
    assert playlist_text(workdir) == f"Путь = {path}\r\nПозиция = {index}\r\n"

    again = launch("deckplayer-mini.exe", workdir)
    listed = again.control(LIST)
    assert sorted(listed.items) == ["one.wav", "three.wav", "two.wav"]
    assert listed.items[listed.selected] == "two.wav"
    close(again)


def test_position_minus_one_leaves_nothing_selected(launch, workdir, music):
    path = harness.windows_path(music / "one.wav")
    (workdir / PLAYLIST).write_bytes(f"Путь = {path}\r\nПозиция = -1\r\n".encode("cp1251"))
    app = launch("deckplayer-mini.exe", workdir)
    listed = app.control(LIST)
    assert len(listed.items) == 3
    assert listed.selected == -1
    close(app)
    assert playlist_text(workdir).endswith("Позиция = -1\r\n")


def test_pause_swings_the_tonearm_and_power_off_keeps_the_last_frame(launch, workdir, music,
                                                                     pulse, artifacts):
    path = harness.windows_path(music / "one.wav")
    (workdir / PLAYLIST).write_bytes(f"Путь = {path}\r\nПозиция = 0\r\n".encode("cp1251"))
    app = launch("deckplayer-mini.exe", workdir)
    power_on_and_open_panel(app)
    app.click(*deck.OPEN_LINK)
    app.answer_open_dialog(path)
    wait_until(lambda: app.title().startswith("one.wav   "), 30, 0.2, "one.wav to play")

    playing = harness.image_rgb(app.screenshot("playing"))
    arm = numpy.s_[40:300, 250:deck.CLIENT_WIDTH]  # the tonearm's side of the deck, outside the label
    app.click(*deck.TONEARM_LIFT)
    harness.screenshot_until(app, "paused", lambda paused: (playing[arm] != paused[arm]).any())
    app.click(*deck.TONEARM_LIFT)
    harness.screenshot_until(app, "resumed", lambda resumed: (resumed[arm] == playing[arm]).all())

    recording = pulse.record(artifacts / "power-off.wav")
    time.sleep(0.5)
    app.click(*deck.POWER_SWITCH)
    off_at = time.monotonic() - recording.started
    wait_until(lambda: app.client_size() == deck.CLOSED_SIZE, 30, 0.2, "the panel to close")
    left, top, side, _ = deck.canvas_box(deck.MINI)
    label = numpy.s_[top:top + side, left:left + side]
    frames = [harness.image_rgb(app.screenshot(f"off-{i}"))[label] for i in range(2)]
    time.sleep(1.2)
    sound = recording.stop()
    assert sound.window(0, off_at - 0.1).level_db() > -30
    assert sound.window(off_at + 0.4, sound.seconds()).level_db() < -50
    assert (frames[0] == frames[1]).all()  # the label stands still
    close(app)
