"""Both programs rest when nothing moves and turn their record while a track
plays: a loop that spun would hold a core even switched off."""
import pytest

import deck
import harness
from harness import wait_until
from test_deckplayer import open_file, power_on_and_open_panel

PROGRAMS = {"deckplayer.exe": deck.FULL, "deckplayer-mini.exe": deck.MINI}


@pytest.mark.parametrize("program", PROGRAMS)
def test_switched_off_it_rests_and_playing_its_record_turns(launch, workdir, tmp_path, program,
                                                             artifacts):
    app = launch(program, workdir)
    app.move(-1, -1)  # the pointer off the window, still
    # A loose bound that only a loop running without rest can break.
    assert harness.cpu_share(app.process.pid, 4.0) < 10.0

    track = harness.write_tone_wav(tmp_path / "long.wav", 440.0, 30)
    power_on_and_open_panel(app)
    open_file(app, track)
    wait_until(lambda: app.title().startswith("long.wav"), 30, 0.1, "the track to play")
    x, y, w, h = deck.canvas_box(PROGRAMS[program])
    canvas = lambda shot: shot[y:y + h, x:x + w]
    first = canvas(harness.image_rgb(app.screenshot("turning-first")))
    harness.screenshot_until(app, "turning-later", lambda shot: (canvas(shot) != first).any())
