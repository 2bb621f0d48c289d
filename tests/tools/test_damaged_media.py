"""The damaged corpus: enough files of every kind, each damaged as its name
says, the same bytes on every run."""
import pathlib
import struct
import subprocess
import sys

import pytest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools/damaged-media/make_damaged_media.py"


def generate(folder):
    subprocess.run([sys.executable, str(TOOL), str(folder)], check=True, capture_output=True)
    return {p.name: (None if p.is_dir() else p.read_bytes()) for p in folder.iterdir()}


@pytest.fixture(scope="module")
def corpus(tmp_path_factory):
    return generate(tmp_path_factory.mktemp("damaged"))


def test_at_least_sixty_files_of_every_kind(corpus):
    assert len(corpus) >= 60
    for kind in ("wav", "mp3", "mid"):
        assert sum(name.startswith(kind + "-") for name in corpus) >= 15, kind
    assert corpus["folder.wav"] is None
    assert corpus["empty.wav"] == corpus["empty.mp3"] == corpus["empty.mid"] == b""


def test_same_bytes_on_every_run(corpus, tmp_path):
    assert generate(tmp_path) == corpus


@pytest.mark.parametrize("name,offset,fmt,value", [
    ("wav-data-size-ffffffff.wav", 40, "<I", 0xFFFFFFFF),
    ("wav-fmt-size-fffffff0.wav", 16, "<I", 0xFFFFFFF0),
    ("wav-riff-size-0.wav", 4, "<I", 0),
    ("wav-channels-0.wav", 22, "<H", 0),
    ("wav-rate-0.wav", 24, "<I", 0),
    ("wav-blockalign-0.wav", 32, "<H", 0),
    ("wav-list-size-fffffff0.wav", 40, "<I", 0xFFFFFFF0),
    ("mid-tracks-65535.mid", 10, ">H", 0xFFFF),
    ("mid-division-0.mid", 12, ">H", 0),
    ("mid-header-size-ffffffff.mid", 4, ">I", 0xFFFFFFFF),
    ("mid-track-size-fffffff0.mid", 18, ">I", 0xFFFFFFF0),
])
def test_each_field_holds_the_value_its_name_says(corpus, name, offset, fmt, value):
    assert struct.unpack_from(fmt, corpus[name], offset)[0] == value


def test_cuts_are_prefixes_of_one_file_and_tempos_are_extreme(corpus):
    wav_cuts = sorted((v for k, v in corpus.items() if k.startswith("wav-cut-")), key=len)
    assert len(wav_cuts) >= 10
    assert all(wav_cuts[-1].startswith(cut) for cut in wav_cuts)
    assert [len(c) for c in wav_cuts] == sorted({len(c) for c in wav_cuts})
    # The tempo meta event FF 51 03 tt tt tt of the first track.
    for name, tempo in (("mid-tempo-0.mid", b"\x00\x00\x00"), ("mid-tempo-ffffff.mid", b"\xff\xff\xff")):
        at = corpus[name].index(b"\xff\x51\x03")
        assert corpus[name][at + 3:at + 6] == tempo
    assert corpus["mp3-id3v2-size-huge.mp3"][6:10] == b"\x7f\x7f\x7f\x7f"
