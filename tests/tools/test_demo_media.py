"""The demo folder's tracks: what the player's demo and e2e tests rely on."""
import pathlib
import subprocess
import sys
import wave

import numpy as np
import pytest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools/demo-media/make_demo_media.py"
TRACKS = {"01 Sunrise.wav", "02 Harbour.mp3", "Вальс.mp3", "04 Rain.mp3"}
RATE = 44100


def generate(folder):
    subprocess.run([sys.executable, str(TOOL), str(folder)], check=True, capture_output=True)
    return {path.name: path.read_bytes() for path in folder.iterdir()}


def decoded(path):
    """Mono 16-bit samples at 44100 Hz, by the command-line tools."""
    if path.suffix == ".wav":
        command = ["sox", str(path), "-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16",
                   "-c", "1", "-"]
    else:
        command = ["mpg123", "-q", "-s", "-r", str(RATE), "-m", str(path)]
    result = subprocess.run(command, capture_output=True)
    return np.frombuffer(result.stdout, "<i2").astype(float)


@pytest.fixture(scope="module")
def demo(tmp_path_factory):
    folder = tmp_path_factory.mktemp("demo")
    return folder, generate(folder)


def test_same_bytes_on_every_run(demo, tmp_path):
    _, first = demo
    assert generate(tmp_path) == first


def test_folder_holds_the_tracks_and_one_unplayable_entry(demo):
    _, files = demo
    assert set(files) == TRACKS | {"broken.mp3"}
    assert sum(len(data) for data in files.values()) < 600_000


@pytest.mark.parametrize("name", sorted(TRACKS))
def test_each_track_lasts_six_to_ten_seconds(demo, name):
    folder, _ = demo
    seconds = len(decoded(folder / name)) / RATE
    assert 6.0 <= seconds <= 10.0


def test_broken_entry_decodes_to_nothing(demo):
    folder, _ = demo
    assert len(decoded(folder / "broken.mp3")) == 0


def test_wav_is_plain_16_bit_pcm(demo):
    folder, _ = demo
    with wave.open(str(folder / "01 Sunrise.wav")) as track:
        assert (track.getsampwidth(), track.getnchannels()) == (2, 1)


def test_tracks_are_told_apart_by_their_strongest_pitch(demo):
    """Each track's loudest frequency differs from every other's by more than
    a semitone, so a capture shows which one played."""
    folder, _ = demo
    peaks = []
    for name in sorted(TRACKS):
        samples = decoded(folder / name)
        spectrum = np.abs(np.fft.rfft(samples))
        peaks.append(np.fft.rfftfreq(len(samples), 1 / RATE)[np.argmax(spectrum)])
    peaks.sort()
    assert all(high / low > 2 ** (1 / 12) for low, high in zip(peaks, peaks[1:]))


def test_notes_carry_harmonics(demo):
    """Not bare sines: every note of the tunes lies below 700 Hz, so energy
    above 1500 Hz comes from the notes' harmonics (sines leave under 1e-6)."""
    folder, _ = demo
    for name in sorted(TRACKS):
        samples = decoded(folder / name)
        spectrum = np.abs(np.fft.rfft(samples)) ** 2
        freqs = np.fft.rfftfreq(len(samples), 1 / RATE)
        assert spectrum[freqs > 1500].sum() / spectrum.sum() > 0.001, name
