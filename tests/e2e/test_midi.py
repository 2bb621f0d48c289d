"""A MIDI file among WAV and MP3 tracks plays in the real program: its note
is heard at its pitch and the total label shows its length."""
import sys
import time

import pytest

import harness
from harness import wait_until
from test_deckplayer import TOTAL, open_file, playing_title, power_on_and_open_panel

sys.path.insert(0, str(harness.TOP / "tools" / "demo-media"))
from midi_out import midi_file, note, program, tempo, volume  # noqa: E402

FLUTE, E5, E5_HZ = 73, 76, 659.26
TICKS_PER_BEAT = 480  # at 120 beats a minute: a beat is half a second


def write_flute_note(path, seconds):
    melody = [program(0, 0, FLUTE), volume(0, 0, 127)] + note(0, seconds * 2 * TICKS_PER_BEAT, 0, E5, 127)
    path.write_bytes(midi_file([[tempo(0, 500000)], melody], TICKS_PER_BEAT))


@pytest.fixture
def mixed(tmp_path):
    folder = tmp_path / "mixed"
    folder.mkdir()
    write_flute_note(folder / "a.mid", 5)
    harness.write_tone_wav(folder / "b.wav", 440.0, 3)
    harness.write_tone_mp3(folder / "c.mp3", 880.0, 3)
    return folder


def test_midi_plays_at_its_pitch_and_shows_its_length(launch, workdir, mixed, pulse, artifacts):
    player = launch("deckplayer.exe", workdir)
    power_on_and_open_panel(player)
    recording = pulse.record(artifacts / "midi.wav")
    open_file(player, mixed / "a.mid")
    started = time.monotonic() - recording.started
    assert playing_title(player, ["a.mid"]) == "a.mid"
    wait_until(lambda: player.control(TOTAL).text.strip() == "0:05", 5, 0.1, "the total label to read 0:05")
    time.sleep(2.0)
    sound = recording.stop()
    heard = sound.window(started + 0.8, started + 1.8)
    assert heard.level_db() > -40
    assert abs(heard.frequency() - E5_HZ) / E5_HZ < 0.02
