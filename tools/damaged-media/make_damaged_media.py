#!/usr/bin/python3
"""Writes a corpus of damaged tracks: valid WAV, MP3 and MIDI files cut
short, zeroed, overwritten with noise, or with sizes and fields that lie.

    make_damaged_media.py OUTPUT_DIR

Every name says what was done to it (wav-cut-0044.wav, mid-tracks-65535.mid).
The audio library must give nothing for each of them or play it to an end,
and a player must skip or play it and go on. The output depends on nothing
but this file and lame: the noise comes from a seeded generator.
"""
import math
import random
import struct
import subprocess
import sys
import tempfile
import wave
from pathlib import Path

RATE = 44100
SEED = 15


def tone_pcm(seconds, rate, channels, frequency=440.0, width=2):
    frames = []
    for i in range(int(seconds * rate)):
        value = math.sin(2 * math.pi * frequency * i / rate) * 0.5
        if width == 1:
            sample = struct.pack("<B", int(128 + value * 127))
        else:
            sample = struct.pack("<h", int(value * 32767))
        frames.append(sample * channels)
    return b"".join(frames)


def wav_bytes(seconds=0.3, rate=RATE, channels=2, width=2):
    """A canonical 44-byte-header PCM WAV."""
    data = tone_pcm(seconds, rate, channels, width=width)
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * channels * width, channels * width, 8 * width)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def mp3_bytes(folder):
    source = folder / "source.wav"
    with wave.open(str(source), "wb") as f:
        f.setnchannels(2)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(tone_pcm(0.5, RATE, 2, 660.0))
    target = folder / "source.mp3"
    subprocess.run(["lame", "--silent", "-b", "128", str(source), str(target)], check=True)
    return target.read_bytes()


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def midi_track(events):
    body = b"".join(varlen(delta) + data for delta, data in events) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def midi_bytes(tempo=500000, division=96, tracks=None, header_tracks=None):
    """Format 1: a tempo track and a track of four notes."""
    tempo_track = midi_track([(0, b"\xff\x51\x03" + tempo.to_bytes(3, "big"))])
    notes = []
    for key in (60, 64, 67, 72):
        notes += [(0, bytes([0x90, key, 100])), (48, bytes([0x80, key, 0]))]
    note_track = midi_track([(0, b"\xc0\x00")] + notes)
    chunks = tracks if tracks is not None else [tempo_track, note_track]
    count = header_tracks if header_tracks is not None else len(chunks)
    return b"MThd" + struct.pack(">IHHH", 6, 1, count, division) + b"".join(chunks)


def put(data, offset, raw):
    data = bytearray(data)
    data[offset:offset + len(raw)] = raw
    return bytes(data)


def zeroed(data, start, length):
    return put(data, start, bytes(min(length, len(data) - start)))


def noisy(data, rng, start, length):
    return put(data, start, bytes(rng.randrange(256) for _ in range(min(length, len(data) - start))))


def cuts(prefix, data, offsets, suffix):
    return {f"{prefix}-cut-{n:04d}{suffix}": data[:n] for n in offsets if 0 < n < len(data)}


def damaged_wavs(rng):
    wav = wav_bytes()
    size = len(wav)
    files = cuts("wav", wav, [4, 8, 12, 16, 20, 24, 36, 40, 44, 45, 47, 100, 1001, size // 2, size - 1], ".wav")
    files.update({
        "wav-zeroed-header.wav": zeroed(wav, 0, 44),
        "wav-zeroed-fmt.wav": zeroed(wav, 20, 16),
        "wav-zeroed-middle.wav": zeroed(wav, size // 3, size // 3),
        "wav-riff-size-0.wav": put(wav, 4, struct.pack("<I", 0)),
        "wav-riff-size-ffffffff.wav": put(wav, 4, struct.pack("<I", 0xFFFFFFFF)),
        "wav-fmt-size-fffffff0.wav": put(wav, 16, struct.pack("<I", 0xFFFFFFF0)),
        "wav-fmt-size-beyond.wav": put(wav, 16, struct.pack("<I", size)),
        "wav-data-size-0.wav": put(wav, 40, struct.pack("<I", 0)),
        "wav-data-size-ffffffff.wav": put(wav, 40, struct.pack("<I", 0xFFFFFFFF)),
        "wav-data-size-fffffffe.wav": put(wav, 40, struct.pack("<I", 0xFFFFFFFE)),
        "wav-data-size-beyond.wav": put(wav, 40, struct.pack("<I", size * 3)),
        "wav-channels-0.wav": put(wav, 22, struct.pack("<H", 0)),
        "wav-channels-65535.wav": put(wav, 22, struct.pack("<H", 0xFFFF)),
        "wav-rate-0.wav": put(wav, 24, struct.pack("<I", 0)),
        "wav-rate-ffffffff.wav": put(wav, 24, struct.pack("<I", 0xFFFFFFFF)),
        "wav-byterate-0.wav": put(wav, 28, struct.pack("<I", 0)),
        "wav-blockalign-0.wav": put(wav, 32, struct.pack("<H", 0)),
        "wav-blockalign-3.wav": put(wav, 32, struct.pack("<H", 3)),
        "wav-bits-0.wav": put(wav, 34, struct.pack("<H", 0)),
        "wav-bits-7.wav": put(wav, 34, struct.pack("<H", 7)),
        "wav-format-tag-0.wav": put(wav, 20, struct.pack("<H", 0)),
        # A chunk between fmt and data whose size runs past the file.
        "wav-list-size-fffffff0.wav": wav[:36] + b"LIST" + struct.pack("<I", 0xFFFFFFF0) + b"INFO" + wav[36:],
        "wav-8bit-mono-cut.wav": wav_bytes(0.2, 8000, 1, 1)[:700],
    })
    for i in range(6):
        start = rng.randrange(0, 60)
        files[f"wav-noise-header-{i}.wav"] = noisy(wav, rng, start, rng.randrange(2, 16))
    for i in range(2):
        files[f"wav-noise-data-{i}.wav"] = noisy(wav, rng, rng.randrange(44, size - 4096), 4096)
    return files


def id3v2(size_field, body):
    return b"ID3\x04\x00\x00" + size_field + body


def syncsafe(value):
    return bytes([(value >> 21) & 0x7F, (value >> 14) & 0x7F, (value >> 7) & 0x7F, value & 0x7F])


def damaged_mp3s(rng, mp3):
    size = len(mp3)
    files = cuts("mp3", mp3, [1, 3, 4, 10, 100, 417, 418, 1000, size // 2, size - 1], ".mp3")
    files.update({
        "mp3-zeroed-start.mp3": zeroed(mp3, 0, 2000),
        "mp3-zeroed-middle.mp3": zeroed(mp3, size // 3, size // 3),
        "mp3-id3v2-size-huge.mp3": id3v2(syncsafe(0x0FFFFFFF), b"TIT2") + mp3,
        "mp3-id3v2-size-beyond.mp3": id3v2(syncsafe(size + 100), b"") + mp3,
        "mp3-id3v2-only.mp3": id3v2(syncsafe(64), bytes(64)),
        "mp3-garbage.mp3": bytes(rng.randrange(256) for _ in range(20000)),
        "mp3-false-syncs.mp3": b"\xff\xfb\x90\x00" * 3000,
        "mp3-id3v1-only.mp3": b"TAG" + bytes(125),
    })
    info = max(mp3.find(b"Info"), mp3.find(b"Xing"))
    if info >= 0:
        # The LAME/Xing header's frame and byte counts, as large as they go.
        files["mp3-xing-counts-ffffffff.mp3"] = put(mp3, info + 8, b"\xff" * 8)
    for i in range(4):
        files[f"mp3-noise-{i}.mp3"] = noisy(mp3, rng, rng.randrange(0, size - 512), 512)
    return files


def damaged_midis(rng):
    mid = midi_bytes()
    size = len(mid)
    files = cuts("mid", mid, [4, 10, 14, 18, 22, 30, size // 2, size - 1], ".mid")
    huge_track = b"MTrk" + struct.pack(">I", 0xFFFFFFF0) + b"\x00\x90\x3c\x64"
    endless_delta = b"MTrk" + struct.pack(">I", 12) + b"\xff\xff\xff\xff\xff\xff\xff\xff\x90\x3c\x64\x00"
    no_status = b"MTrk" + struct.pack(">I", 8) + b"\x00\x3c\x64\x10\x3c\x00\x00\x00"
    files.update({
        "mid-tempo-0.mid": midi_bytes(tempo=0),
        "mid-tempo-ffffff.mid": midi_bytes(tempo=0xFFFFFF),
        "mid-division-0.mid": midi_bytes(division=0),
        "mid-division-smpte.mid": midi_bytes(division=0xE250),
        "mid-tracks-0.mid": midi_bytes(tracks=[], header_tracks=0),
        "mid-tracks-65535.mid": midi_bytes(header_tracks=0xFFFF),
        "mid-header-size-ffffffff.mid": put(mid, 4, struct.pack(">I", 0xFFFFFFFF)),
        "mid-track-size-fffffff0.mid": midi_bytes(tracks=[huge_track]),
        "mid-endless-delta.mid": midi_bytes(tracks=[endless_delta]),
        "mid-running-status-first.mid": midi_bytes(tracks=[no_status]),
        "mid-zeroed-tracks.mid": zeroed(mid, 14, size - 14),
    })
    for i in range(3):
        files[f"mid-noise-{i}.mid"] = noisy(mid, rng, rng.randrange(14, size - 8), 8)
    return files


def write_corpus(out):
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(SEED)
    with tempfile.TemporaryDirectory() as scratch:
        mp3 = mp3_bytes(Path(scratch))
    files = {}
    files.update(damaged_wavs(rng))
    files.update(damaged_mp3s(rng, mp3))
    files.update(damaged_midis(rng))
    for name in ("empty.wav", "empty.mp3", "empty.mid"):
        files[name] = b""
    for name, data in files.items():
        (out / name).write_bytes(data)
    # A folder named like a track.
    (out / "folder.wav").mkdir(exist_ok=True)
    return len(files) + 1


def main(argv):
    if len(argv) != 2:
        print("usage: make_damaged_media.py OUTPUT_DIR", file=sys.stderr)
        return 2
    try:
        count = write_corpus(Path(argv[1]))
    except (OSError, subprocess.CalledProcessError) as error:
        print(f"make_damaged_media.py: {error}", file=sys.stderr)
        return 1
    print(f"{count} damaged tracks in {argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
