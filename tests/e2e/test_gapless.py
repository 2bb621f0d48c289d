"""A piece cut in two files plays on from the first into the second without
a gap, and the title moves on to the second file with the sound."""
import math
import wave

import numpy
import pytest

import harness
from harness import wait_until
from test_deckplayer import open_file, power_on_and_open_panel

RATE = 44100
CUT = 2 * RATE + 237  # an arbitrary frame, mid-cycle


def write_halves(folder, frequency=440.0, seconds=4.0):
    t = numpy.arange(int(seconds * RATE)) / RATE
    tone = (0.5 * 32767 * numpy.sin(2 * math.pi * frequency * t)).astype("<i2")
    for name, part in (("a.wav", tone[:CUT]), ("b.wav", tone[CUT:])):
        with wave.open(str(folder / name), "wb") as f:
            f.setnchannels(1)
            f.setsampwidth(2)
            f.setframerate(RATE)
            f.writeframes(part.tobytes())
    return folder / "a.wav"


def quietest_block_db(sound, start, end, block=0.002):
    n = int(block * sound.rate)
    return min(harness.Sound(sound.samples[i:i + n], sound.rate).level_db()
               for i in range(int(start * sound.rate), int(end * sound.rate) - n, n))


def silent_after_sounding(sound):
    """Seconds recorded since the sound last sounded; 0 while it never did."""
    span = sound.sounding()
    return len(sound.samples) / sound.rate - span[1] if span else 0


@pytest.mark.parametrize("program,second_title", [("deckplayer.exe", "b.wav"),
                                                  ("deckplayer-mini.exe", "b.wav   2/2")])
def test_the_second_half_follows_the_first_without_a_gap(launch, workdir, tmp_path, pulse,
                                                         artifacts, program, second_title):
    first = write_halves(tmp_path)
    app = launch(program, workdir)
    power_on_and_open_panel(app)
    recording = pulse.record(artifacts / "joined.wav")
    open_file(app, first)
    wait_until(lambda: app.title() == second_title, 30, 0.05, "the second half's title")
    wait_until(lambda: app.title() == "Ровел mp3", 30, 0.1, "the end of the second half")
    wait_until(lambda: silent_after_sounding(recording.so_far()) > 0.2, 15, 0.1,
               "the last of the sound through the sink")
    sound = recording.stop()
    start, end = sound.sounding()
    assert end - start > 3.5, f"only {end - start:.2f} s of the 4 s piece was heard"
    # Fades at the very start and end aside, every 2 ms of the piece sounds:
    # a hole at the join would show as a silent block.
    assert quietest_block_db(sound, start + 0.1, end - 0.1) > -30
