"""The demo folder's tracks: what the player's demo and e2e tests rely on."""
import pathlib
import subprocess
import sys
import wave

import numpy as np
import pytest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools/demo-media/make_demo_media.py"
TRACKS = {"01 Sunrise.wav", "02 Harbour.mp3", "Вальс.mp3", "04 Rain.mp3"}
MIDI_PIECE = "03 Meadow.mid"
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
    assert set(files) == TRACKS | {MIDI_PIECE, "broken.mp3"}
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


def midi_tracks(data):
    """The events of each track of a format 1 file: (tick, status, data bytes), and the division."""
    assert data[:4] == b"MThd" and int.from_bytes(data[8:10], "big") == 1
    count, division = int.from_bytes(data[10:12], "big"), int.from_bytes(data[12:14], "big")
    tracks, at = [], 14
    for _ in range(count):
        assert data[at:at + 4] == b"MTrk"
        end = at + 8 + int.from_bytes(data[at + 4:at + 8], "big")
        at, tick, events = at + 8, 0, []
        while at < end:
            delta = 0
            while True:
                delta = delta << 7 | data[at] & 0x7F
                at += 1
                if data[at - 1] < 0x80:
                    break
            tick += delta
            status = data[at]
            size = 3 + data[at + 2] if status == 0xFF else (2 if status & 0xF0 in (0xC0, 0xD0) else 3)
            events.append((tick, status, data[at + 1:at + size]))
            at += size
        assert at == end and events[-1][1:] == (0xFF, b"\x2f\x00")
        tracks.append(events)
    return tracks, division


def test_midi_piece_is_a_band_of_several_seconds(demo):
    _, files = demo
    tracks, division = midi_tracks(files[MIDI_PIECE])
    tempo = next(e[2][2:] for e in tracks[0] if e[1] == 0xFF and e[2][0] == 0x51)
    seconds = max(e[0] for t in tracks for e in t) / division * int.from_bytes(tempo, "big") / 1e6
    assert 6.0 <= seconds <= 10.0
    channels = {e[1] & 0x0F for t in tracks for e in t if e[1] & 0xF0 == 0x90}
    assert channels == {0, 1, 2, 3, 4, 9}  # five instruments and the drums of channel 10
    programs = {e[1] & 0x0F: e[2][0] for t in tracks for e in t if e[1] & 0xF0 == 0xC0}
    assert programs == {0: 73, 1: 24, 2: 32, 3: 48, 4: 71}  # flute, guitar, bass, strings, clarinet


def test_midi_notes_each_end(demo):
    _, files = demo
    tracks, _ = midi_tracks(files[MIDI_PIECE])
    for events in tracks:
        sounding = set()
        for _, status, data in events:
            key = (status & 0x0F, data[:1])
            if status & 0xF0 == 0x90:
                assert key not in sounding
                sounding.add(key)
            elif status & 0xF0 == 0x80:
                sounding.remove(key)
        assert not sounding
