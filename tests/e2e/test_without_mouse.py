"""The deck without a mouse: a file named on the command line plays, keys and
the media keys act as the controls they stand for (the media keys also while
another program is in front), a second start hands its file to the window
already running, and a screen reader in another process finds every control
named, in its state and with its value."""
import time

import pytest

import deck
import harness
from harness import wait_until

TONES = {"a.wav": 440.0, "b.wav": 660.0, "c.wav": 880.0}
MINIMAL = harness.X64 / "bench" / "minimal_window.exe"  # any other program's window
ROLE_PUSHBUTTON, ROLE_LINK, ROLE_LIST, ROLE_SLIDER = 0x2B, 0x1E, 0x21, 0x33
PRESSED, COLLAPSED, EXPANDED = 0x8, 0x400, 0x200
INVISIBLE, UNAVAILABLE, OFFSCREEN = 0x8000, 0x1, 0x10000


@pytest.fixture
def music(tmp_path):
    folder = tmp_path / "music"
    folder.mkdir()
    for name, frequency in TONES.items():
        harness.write_tone_wav(folder / name, frequency, 30)
    return folder


def level_db(pulse, artifacts, name):
    """The level of what the sink plays over half a second from now."""
    recording = pulse.record(artifacts / f"{name}.wav")
    time.sleep(0.7)
    return recording.stop().window(0.2, 0.7).level_db()


def test_a_file_named_at_start_plays_and_keys_act_as_their_controls(wine, workdir, music, pulse,
                                                                      artifacts):
    app = harness.App(wine, workdir / "deckplayer.exe", workdir, artifacts,
                      args=[harness.windows_path(music / "a.wav")])
    try:
        # The power came on by itself, the folder is listed, the file plays.
        wait_until(lambda: app.title() == "a.wav", 30, 0.1, "a.wav to play")
        assert level_db(pulse, artifacts, "playing") > -30
        app._xdotool("windowfocus", "--sync", app.xid)
        app.key("space")  # the tonearm lift
        wait_until(lambda: level_db(pulse, artifacts, "paused") < -50, 15, 0, "the pause")
        app.key("space")
        wait_until(lambda: level_db(pulse, artifacts, "resumed") > -30, 15, 0, "the resume")
        app.key("XF86AudioNext")
        wait_until(lambda: app.title() == "b.wav", 15, 0.1, "the next track")
        app.key("XF86AudioPlay")
        wait_until(lambda: level_db(pulse, artifacts, "media-paused") < -50, 15, 0, "the pause")

        # Another start with a file hands it over and leaves at once.
        second = wine.start(workdir / "deckplayer.exe", workdir, open(artifacts / "second.log", "wb"),
                            args=[harness.windows_path(music / "c.wav")])
        assert second.wait(30) == 0
        wait_until(lambda: app.title() == "c.wav", 15, 0.1, "the running window to play c.wav")
        assert len([w for w in wine.windows() if w.class_name == harness.PLAYER_WINDOW_CLASS]) == 1

        # The media keys reach the deck while another program is in front.
        other = harness.App(wine, MINIMAL, workdir, artifacts, window_class="MinimalWindow")
        try:
            other._xdotool("windowfocus", "--sync", other.xid)
            other.key("XF86AudioPrev")
            wait_until(lambda: app.title() == "b.wav", 15, 0.1, "the previous track")
            assert other._xdotool("getwindowfocus") == other.xid  # the deck stays behind
        finally:
            other.stop()
        app.click_close_box()
        assert app.wait_exit() == 0
    finally:
        if app.alive():
            app.stop()


def named(records):
    return {r.name: r for r in records}


@pytest.mark.parametrize("program", ["deckplayer.exe", "deckplayer-mini.exe"])
def test_a_screen_reader_finds_every_control_and_clicks_one(launch, workdir, wine, program):
    app = launch(program, workdir)
    read = lambda: wait_until(lambda: wine.accessible(harness.PLAYER_WINDOW_CLASS)[1:], 30, 0.2,
                              "the deck's accessible object")
    # Switched off: the panel's controls are out of sight, the others do nothing.
    off = named(read())
    expected = {
        "Питание": (ROLE_PUSHBUTTON, 0, ""),
        "Старт/стоп: список треков": (ROLE_PUSHBUTTON, COLLAPSED | UNAVAILABLE, ""),
        "Предыдущий трек": (ROLE_PUSHBUTTON, UNAVAILABLE, ""),
        "Следующий трек": (ROLE_PUSHBUTTON, UNAVAILABLE, ""),
        "Тонарм: пауза": (ROLE_PUSHBUTTON, UNAVAILABLE, ""),
        "Громкость": (ROLE_SLIDER, UNAVAILABLE, "50 %"),
        "Позиция в треке": (ROLE_SLIDER, UNAVAILABLE, "0:00 из 0:00"),
        "Открыть": (ROLE_LINK, UNAVAILABLE | INVISIBLE | OFFSCREEN, ""),
        "Пауза": (ROLE_LINK, UNAVAILABLE | INVISIBLE | OFFSCREEN, ""),
        "Треки": (ROLE_LIST, UNAVAILABLE | INVISIBLE | OFFSCREEN, None),
    }
    kept = PRESSED | COLLAPSED | EXPANDED | INVISIBLE | UNAVAILABLE | OFFSCREEN
    assert {name: (r.role, r.state & kept, r.value if expected[name][2] is not None else None)
            for name, r in off.items()} == expected
    # Every control has its action and lies where the pointer would click it.
    left, top = app.top.client[:2]
    assert all(r.action for r in off.values())
    assert off["Питание"].location == (left + 26, top + 26, 19, 19)

    # The default action is the click: the power comes on.
    switch = [r.id for r in read() if r.name == "Питание"][0]
    assert wine.accessible_click(harness.PLAYER_WINDOW_CLASS, switch)
    wait_until(lambda: named(read())["Питание"].state & PRESSED, 15, 0.2, "the power to come on")
    assert not named(read())["Следующий трек"].state & UNAVAILABLE


def test_the_mini_started_elsewhere_with_a_file_works_in_its_own_folder(wine, workdir, music,
                                                                         artifacts):
    # As Explorer starts it for "Open with": in the music's folder.
    app = harness.App(wine, workdir / "deckplayer-mini.exe", music, artifacts,
                      args=[harness.windows_path(music / "b.wav")])
    try:
        wait_until(lambda: app.title() == "b.wav   2/3", 30, 0.1, "b.wav to play")
        x, y, w, h = deck.canvas_box(deck.MINI)
        label = lambda shot: shot[y:y + h, x:x + w]
        first = label(harness.image_rgb(app.screenshot("label")))
        # The label turns: the record picture was found in the program's folder.
        harness.screenshot_until(app, "label-later", lambda shot: (label(shot) != first).any())
        app.click_close_box()
        assert app.wait_exit() == 0
    finally:
        if app.alive():
            app.stop()
    assert (workdir / "плейлист.pcs").exists()
    assert not (music / "плейлист.pcs").exists()
