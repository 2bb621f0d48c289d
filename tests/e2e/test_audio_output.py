"""Real sound from the audio library: a tone played through Wine's output
reaches the PulseAudio null sink at its own frequency, and half the volume is
6 dB less; as PCM and IMA ADPCM WAVs, an MP3 and MPEG data in a WAV."""
import os
from pathlib import Path

import pytest

import harness

PLAY_FILE = Path(os.environ.get("DECK_PLAY_FILE", harness.PLAY_FILE))
PLAY_SECONDS = 2.0


def play_and_record(wine, pulse, track, volume, artifacts):
    recording = pulse.record(artifacts / f"{track.stem}-{volume}.wav")
    code, out = wine.run(PLAY_FILE, harness.windows_path(track), volume, PLAY_SECONDS, timeout=30)
    sound = recording.stop()
    assert code == 0, f"play_file exited with {code}"
    output, position = out.decode("ascii").split()
    assert output == "device", "the library fell back to the silent output"
    assert float(position) > PLAY_SECONDS / 2
    span = sound.sounding()
    assert span is not None, "nothing was heard"
    start, end = span
    assert end - start > 1.0
    # The edges hold the fade-in and the stop; the middle is the tone.
    steady = sound.window(start + 0.2, end - 0.2)
    # The volume is set before the play request, as the players do, so the
    # very first blocks already have it.
    onset = sound.window(start, start + 0.1)
    assert onset.level_db() < steady.level_db() + 1.0
    return steady


WRITERS = {
    "wav": (harness.write_tone_wav, "tone.wav"),
    "mp3": (harness.write_tone_mp3, "tone.mp3"),
    "ima-adpcm": (harness.write_tone_ima_adpcm, "adpcm.wav"),
    "mp3-in-wav": (harness.write_tone_mp3_in_wav, "mpeg.wav"),
}


@pytest.mark.parametrize("kind,frequency", [("wav", 440.0), ("mp3", 1000.0),
                                            ("ima-adpcm", 660.0), ("mp3-in-wav", 880.0)])
def test_tone_is_heard_at_its_frequency_and_half_volume_is_6_db_less(
        wine, pulse, artifacts, tmp_path, kind, frequency):
    write, name = WRITERS[kind]
    track = write(tmp_path / name, frequency, 3.0)
    full = play_and_record(wine, pulse, track, 1.0, artifacts)
    half = play_and_record(wine, pulse, track, 0.5, artifacts)
    for sound in (full, half):
        assert sound.frequency() == pytest.approx(frequency, rel=0.02)
    assert half.level_db() - full.level_db() == pytest.approx(-6.02, abs=1.0)
