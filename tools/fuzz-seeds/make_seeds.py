#!/usr/bin/python3
"""Writes the seed corpora of the fuzz targets, one folder per target.

    make_seeds.py OUTPUT_DIR

Each seed is a small valid (or nearly valid) input of the kind the target
reads, so the fuzzer starts from the formats' real structure. Nothing is
downloaded and nothing random is used: the same seeds every time. A new
target gets a function here and a line in SEEDS.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "demo-media"))
import midi_out  # noqa: E402  (the demo's MIDI writer, beside this tool)

CP = "cp1251"
PATH_KEY = "Путь".encode(CP)
POSITION_KEY = "Позиция".encode(CP)
BOM = b"\xef\xbb\xbf"


def pref_seeds():
    """Settings texts, some followed by three zero bytes and the two writes."""
    files = [
        PATH_KEY + b" = D:\\" + "Музыка".encode(CP) + b"\\01.mp3\r\n" + POSITION_KEY + b" = 2\r\n",
        b"  " + PATH_KEY + b"=C:\\old.mp3   \n[g]\nx = 1  ",
        b"; comment\r\n[group] rest\r\nkey\r\na = 1 = 2\r\r\n\n",
        BOM + b"\xc3\x8f\xc3\xb3\xc3\xb2\xc3\xbc = D:\\\xc3\x9c\r\n",
        b"\r\n" + BOM + b"x = 1\r\n",
        b"\tA=1\rB\t=\t2\t\r[\r;",
        b"",
    ]
    writes = [
        PATH_KEY + b"\0D:\\new.mp3\0" + POSITION_KEY + b"\0-1",
        b"a\0 x \0A\0y",
        BOM + b"k\0v\0;c\0w",
    ]
    seeds = list(files)
    for i, file in enumerate(files):
        seeds.append(file + b"\0\0\0" + writes[i % len(writes)])
    return seeds


def text_seeds():
    """Four bytes of widths and counts, then the text."""
    texts = [
        b"  12x", b"-3", b"$1F", b"%101", b"-9223372036854775808", b"18446744073709551617",
        b'"C:\\a b\\c.mp3" -x', b"D:\\" + "Музыка".encode(CP) + b"\\01.mp3|", b"/a/b/", b"",
    ]
    heads = [b"\x05\x00*\x01", b"\xfb\xff \x00", b"\x40\x00\x00\x01"]
    return [heads[i % len(heads)] + t for i, t in enumerate(texts)]


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _png(width, height, colour, depth, interlace=0, palette=None, extra=b""):
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    row_bytes = (width * channels * depth + 7) // 8
    raw = b"".join(bytes([y % 5]) + bytes((x * 7 + y) & 0xFF for x in range(row_bytes))
                   for y in range(height))
    ihdr = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace)
    body = _chunk(b"IHDR", ihdr) + extra
    if palette is not None:
        body += _chunk(b"PLTE", palette)
    body += _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b"")
    return b"\x89PNG\r\n\x1a\n" + body


def png_seeds():
    """Every colour layout the decoder expands, interlacing, ancillary chunks."""
    palette = bytes(range(48))
    return [
        _png(4, 3, 2, 8),
        _png(3, 2, 6, 8),
        _png(5, 2, 3, 4, palette=palette),
        _png(9, 1, 0, 1),
        _png(2, 2, 2, 16),
        _png(2, 1, 4, 16),
        _png(9, 9, 2, 8, interlace=1),
        _png(2, 2, 6, 8, extra=_chunk(b"tEXt", b"Comment\0seed") + _chunk(b"gAMA", b"\0\0\xb1\x8f")),
        _png(1, 1, 3, 8, palette=palette[:3], extra=_chunk(b"tRNS", b"\x80")),
    ]


def _wav(rate, channels, bits, tag=1, frames=64, extensible=False, data_size=None, tail=b""):
    size = bits // 8
    if tag == 3:
        fmt_code = "f" if bits == 32 else "d"
        samples = b"".join(struct.pack("<" + fmt_code, math.sin(i / 5)) for i in range(frames * channels))
    else:
        samples = bytes((i * 37) & 0xFF for i in range(frames * channels * size))
    block = channels * size
    fmt = struct.pack("<HHIIHH", 0xFFFE if extensible else tag, channels, rate, rate * block, block, bits)
    if extensible:
        fmt += struct.pack("<HHI", 22, bits, 3) + struct.pack("<H", tag) + \
            b"\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71"
    data_len = len(samples) if data_size is None else data_size
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + \
        b"data" + struct.pack("<I", data_len) + samples + tail
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wav_seeds():
    """Each sample layout, rates from the lowest to the highest, sizes that lie."""
    listing = b"LIST" + struct.pack("<I", 12) + b"INFOISFT\0\0\0\0"
    return [
        _wav(8000, 1, 8),
        _wav(22050, 2, 16),
        _wav(44100, 2, 24),
        _wav(48000, 1, 32),
        _wav(44100, 2, 32, tag=3),
        _wav(96000, 1, 64, tag=3),
        _wav(44100, 6, 16, extensible=True),
        _wav(1, 1, 16, frames=16),
        _wav(7, 2, 8, frames=16),
        _wav(1000000, 1, 16),
        _wav(11025, 1, 16, data_size=0, tail=listing),
        _wav(11025, 1, 16, data_size=0xFFFFFFFF),
    ]


def mp3_seeds():
    """Short tones through LAME: both channel modes, low and high rates,
    with and without the info frame that holds the exact length."""
    seeds = []
    with tempfile.TemporaryDirectory() as work:
        for rate, mode, options in [(44100, "m", ["-b", "32"]), (22050, "j", ["-V", "6"]),
                                    (8000, "m", ["-b", "8", "-t"]), (48000, "s", ["-b", "64", "-t"])]:
            channels = 1 if mode == "m" else 2
            source = os.path.join(work, "in.wav")
            with open(source, "wb") as out:
                out.write(_wav(rate, channels, 16, frames=rate // 20))
            target = os.path.join(work, "out.mp3")
            subprocess.run(["lame", "--quiet", "-m", mode, *options, source, target], check=True)
            with open(target, "rb") as mp3:
                seeds.append(mp3.read())
    return seeds


def midi_seeds():
    """Short songs: both formats, tempo changes, running status, note-on with
    velocity 0, drums on channel 10, controllers, SysEx, SMPTE timing."""
    melody = [e for i, key in enumerate((60, 64, 67, 72))
              for e in midi_out.note(i * 48, 40, 0, key, 100)]
    drums = [e for i in range(4) for e in midi_out.note(i * 48, 10, 9, 36 + 2 * i, 110)]
    controls = [midi_out.program(0, 1, 40), midi_out.volume(0, 1, 100),
                (10, b"\xe1\x00\x50"), (20, b"\xf0\x05\x7e\x7f\x09\x01\xf7"),
                (30, b"\xff\x01\x04seed")] + midi_out.note(0, 90, 1, 55, 90)
    running = (b"MTrk" + struct.pack(">I", 17) + b"\x00\x90\x3c\x64\x30\x3c\x00\x00\x40\x64"
               b"\x30\x40\x00\x00\xff\x2f\x00")
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96)
    smpte = bytearray(midi_out.midi_file([melody], 96))
    smpte[12:14] = struct.pack(">h", -25 << 8 | 40)
    return [
        midi_out.midi_file([[midi_out.tempo(0, 500000)] + melody], 96),
        midi_out.midi_file([[midi_out.tempo(0, 400000), midi_out.tempo(96, 900000)], melody, drums], 48),
        midi_out.midi_file([controls], 120),
        header + running,
        bytes(smpte),
    ]


SEEDS = {"pref": pref_seeds, "text": text_seeds, "png": png_seeds, "wav": wav_seeds, "mp3": mp3_seeds,
         "midi": midi_seeds}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_seeds.py OUTPUT_DIR")
    for target, make in SEEDS.items():
        folder = os.path.join(sys.argv[1], target)
        os.makedirs(folder, exist_ok=True)
        for i, seed in enumerate(make()):
            with open(os.path.join(folder, "seed-%02d" % i), "wb") as out:
                out.write(seed)


if __name__ == "__main__":
    main()
