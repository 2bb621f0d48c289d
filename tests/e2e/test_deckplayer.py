"""deckplayer used as a person uses it: power, panel, opening a file, the
folder playing through, pause, previous and next, volume, seeking, closing."""
import time

import numpy

import pytest

import deck
import harness
from harness import wait_until

TONES = {"a.wav": 440.0, "b.mp3": 660.0, "c.wav": 880.0}
LIST = 11
FOLDER_TEXT = 12
ELAPSED = 20
TOTAL = 21


@pytest.fixture
def tracks(tmp_path):
    folder = tmp_path / "music"
    folder.mkdir()
    harness.write_tone_wav(folder / "a.wav", TONES["a.wav"], 3)
    harness.write_tone_mp3(folder / "b.mp3", TONES["b.mp3"], 3)
    harness.write_tone_wav(folder / "c.wav", TONES["c.wav"], 3)
    (folder / "broken.mp3").write_bytes(b"not an mp3 at all " * 200)
    (folder / "notes.txt").write_text("not a track")
    return folder


@pytest.fixture
def player(launch, workdir):
    return launch("deckplayer.exe", workdir)


def power_on_and_open_panel(app):
    app.click(*deck.POWER_SWITCH)
    app.click(*deck.START_STOP)
    wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 30, 0.2, "the panel to open")


def open_file(app, path):
    app.click(*deck.OPEN_LINK)
    app.answer_open_dialog(harness.windows_path(path))


def playing_title(app, names, timeout=30):
    return wait_until(lambda: app.title() if app.title() in names else None, timeout, 0.1,
                      f"one of {names} in the title")


def tone_of(sound):
    """Which track's tone a stretch of the capture holds."""
    found = sound.frequency()
    name = min(TONES, key=lambda n: abs(TONES[n] - found))
    assert abs(TONES[name] - found) / TONES[name] < 0.02, f"{found:.1f} Hz is no track's tone"
    return name


def test_starts_with_the_deck_and_the_panel_closed(player, artifacts):
    assert player.title() == "Ровел mp3"
    assert player.client_size() == deck.CLOSED_SIZE
    window = player.refresh()
    assert window.control(22).text == " минут"
    for number in (8, 9, 10, 20, 21, 22):  # below the closed window's last row: out of sight
        assert window.control(number).rect[1] >= deck.CLOSED_SIZE[1]

    shot = harness.image_rgb(player.screenshot("started"))
    skin = harness.image_rgb(harness.TOP / "skin" / "full" / "turntable.png")
    outside = numpy_mask_outside(shot.shape, [deck.canvas_box(deck.FULL),  # the turning canvas
                                             deck.VOLUME_SLOT,            # the volume strip
                                             deck.SEEK_BAR])              # the fader and its cap
    assert (shot[outside] == skin[outside]).all()


def numpy_mask_outside(shape, boxes):
    mask = numpy.ones(shape[:2], dtype=bool)
    for x, y, w, h in boxes:
        mask[y:y + h, x:x + w] = False
    return mask


def test_power_lights_the_lamp_and_switching_off_stops_and_closes(player, tracks, pulse,
                                                                   artifacts):
    x, y, w, h = deck.LAMP_BOX
    lamp = harness.image_rgb(harness.TOP / "skin" / "full" / "power_lamp_on.png")
    harness.write_tone_wav(tracks / "long.wav", 550.0, 15)
    lit = lambda shot: (shot[y:y + h, x:x + w] == lamp).all()
    power_on_and_open_panel(player)
    harness.screenshot_until(player, "power-on", lit)
    open_file(player, tracks / "long.wav")
    playing_title(player, ["long.wav"])

    recording = pulse.record(artifacts / "power-off.wav")
    time.sleep(0.8)
    player.click(*deck.POWER_SWITCH)
    off_at = time.monotonic() - recording.started
    wait_until(lambda: player.client_size() == deck.CLOSED_SIZE, 30, 0.2, "the panel to close")
    harness.screenshot_until(player, "power-off", lambda shot: not lit(shot))
    time.sleep(1.0)  # a second of the capture after the power went off
    sound = recording.stop()
    assert sound.window(0.2, off_at - 0.1).level_db() > -30
    assert sound.window(off_at + 0.4, sound.seconds()).level_db() < -50
    assert player.title() == "Ровел mp3"


def test_the_folder_plays_through_skipping_what_cannot_play(player, tracks, pulse, artifacts):
    power_on_and_open_panel(player)
    recording = pulse.record(artifacts / "capture.wav")
    open_file(player, tracks / "b.mp3")
    started = time.monotonic() - recording.started

    assert playing_title(player, ["b.mp3"]) == "b.mp3"
    listed = player.control(LIST)
    assert sorted(listed.items) == ["a.wav", "b.mp3", "broken.mp3", "c.wav"]
    assert listed.items[listed.selected] == "b.mp3"
    assert player.control(FOLDER_TEXT).text == harness.windows_path(tracks) + "\\"
    time.sleep(1.5)
    sound = recording.stop()
    assert tone_of(sound.window(started + 0.6, started + 1.4)) == "b.mp3"

    # A double-click on the entry before broken.mp3 (or on it, when it comes
    # first) plays from there on: broken.mp3 is skipped and the rest follow.
    items = listed.items
    start = max(items.index("broken.mp3") - 1, 0)
    player.click(*listed.item_centre(start), repeat=2)
    expected = [n for n in items[start:] if n != "broken.mp3"]
    heard = [playing_title(player, [name], timeout=8) for name in expected]
    assert heard == expected


def test_previous_and_next_step_through_the_list(player, tracks, artifacts):
    for name, hz in TONES.items():
        if name.endswith(".wav"):
            harness.write_tone_wav(tracks / name, hz, 20)
    (tracks / "broken.mp3").unlink()
    power_on_and_open_panel(player)
    open_file(player, tracks / "a.wav")
    playing_title(player, ["a.wav"])
    items = player.control(LIST).items
    index = items.index("a.wav")

    # Step away and back, towards whichever neighbour a.wav has.
    if index + 1 < len(items):
        away, back, neighbour = deck.NEXT, deck.PREVIOUS, items[index + 1]
    else:
        away, back, neighbour = deck.PREVIOUS, deck.NEXT, items[index - 1]
    player.click(*away)
    assert playing_title(player, [neighbour]) == neighbour
    player.click(*back)
    assert playing_title(player, ["a.wav"]) == "a.wav"


def test_pause_link_and_tonearm_lift_pause_and_resume(player, tracks, pulse, artifacts):
    harness.write_tone_wav(tracks / "long.wav", 550.0, 12)
    power_on_and_open_panel(player)
    open_file(player, tracks / "long.wav")
    playing_title(player, ["long.wav"])
    time.sleep(1.0)

    for control in (deck.PAUSE_LINK, deck.TONEARM_LIFT):
        recording = pulse.record(artifacts / "pause.wav")
        time.sleep(0.8)
        player.click(*control)
        paused_at = time.monotonic() - recording.started
        time.sleep(1.5)
        assert player.title() == "long.wav"  # a paused stream still counts as active
        elapsed = player.control(ELAPSED).text
        time.sleep(0.6)
        assert player.control(ELAPSED).text == elapsed  # time stands still
        player.click(*control)
        resumed_at = time.monotonic() - recording.started
        time.sleep(1.2)
        sound = recording.stop()
        assert sound.window(paused_at + 0.4, resumed_at - 0.2).level_db() < -50
        assert abs(sound.window(resumed_at + 0.5, resumed_at + 1.1).frequency() - 550.0) < 11


def test_volume_drag_halves_the_level(player, tracks, pulse, artifacts):
    harness.write_tone_wav(tracks / "long.wav", 550.0, 15)
    power_on_and_open_panel(player)
    open_file(player, tracks / "long.wav")
    playing_title(player, ["long.wav"])

    levels = []
    for volume in (1.0, 0.5):
        player.drag((deck.volume_x(0.75), deck.VOLUME_Y), (deck.volume_x(volume), deck.VOLUME_Y), hold=1.0)
        level = pulse.record(artifacts / f"volume-{volume}.wav").steady_level()
        assert level is not None, f"the level at volume {volume} never held still"
        levels.append(level)
    assert abs((levels[1] - levels[0]) - (-6.02)) < 1.0


def test_a_click_on_the_fader_seeks(player, tracks, artifacts):
    harness.write_tone_wav(tracks / "long.wav", 550.0, 40)
    power_on_and_open_panel(player)
    open_file(player, tracks / "long.wav")
    playing_title(player, ["long.wav"])
    wait_until(lambda: player.control(TOTAL).text.strip() == "0:40", 5)

    player.click(deck.FADER_X, deck.fader_y(0.5))
    seconds = wait_until(lambda: _seconds(player.control(ELAPSED).text) >= 19 or None, 5)
    assert 20 <= _seconds(player.control(ELAPSED).text) <= 23, seconds


def _seconds(label):
    minutes, seconds = label.strip().split(":")
    return int(minutes) * 60 + int(seconds)


def test_closing_while_playing_exits_with_code_0(player, tracks):
    power_on_and_open_panel(player)
    open_file(player, tracks / "a.wav")
    playing_title(player, ["a.wav"])
    player.click_close_box()
    assert player.wait_exit() == 0
