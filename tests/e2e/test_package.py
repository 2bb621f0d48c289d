"""The release zips as a Windows user meets them: what each holds, that its
programs are built for its Windows and need no DLL that Windows lacks, and
that the win64 one runs from a fresh folder in a fresh Wine prefix."""
import re
import struct
import subprocess
import time
import zipfile
from pathlib import Path

import pytest

import harness
from harness import wait_until
from test_deckplayer import open_file, power_on_and_open_panel

PACKAGES = harness.BUILD / "package"
PLAYLIST = "плейлист.pcs"
PROGRAMS = ("deckplayer.exe", "deckplayer-mini.exe")
# name of the zip, its programs' triplet, the PE machine type they must carry
TARGETS = {
    "win64": ("x86_64-w64-mingw32", 0x8664),
    "win32": ("i686-w64-mingw32", 0x014C),
}


def version():
    """The project's one version, from CMake's project() call."""
    text = (harness.TOP / "CMakeLists.txt").read_text()
    return re.search(r"project\(deckplayer VERSION ([0-9.]+)", text).group(1)


def package(system):
    return PACKAGES / f"deckplayer-{version()}-{system}.zip"


def licence_names(package="zip"):
    """The names of packaging/licences.list for the zip, or with the lines
    marked "setup:" for the setup."""
    lines = (harness.TOP / "packaging" / "licences.list").read_text().splitlines()
    names = {line.split()[0] for line in lines if line.strip() and not line.startswith("#")}
    setup = {name for name in names if name.startswith("setup:")}
    if package == "setup":
        return names - setup | {name[len("setup:"):] for name in setup}
    return names - setup


def pe_machine(data):
    """The machine field of a PE file's COFF header."""
    offset = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[offset:offset + 4] == b"PE\0\0"
    return struct.unpack_from("<H", data, offset + 4)[0]


def imported_dlls(path, triplet):
    out = subprocess.run([f"{triplet}-objdump", "-p", str(path)], capture_output=True,
                         check=True, text=True).stdout
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", out)}


def toolchain_dlls(triplet):
    """The DLLs that only the cross toolchain has, never a Windows installation."""
    roots = [Path("/usr") / triplet, Path("/usr/lib/gcc") / triplet]
    return {p.name.lower() for root in roots if root.exists() for p in root.rglob("*.dll")}


@pytest.mark.parametrize("system", TARGETS)
def test_the_zip_holds_one_folder_with_everything_the_user_needs(system):
    path = package(system)
    assert path.exists(), f"{path} is missing; make package writes it"
    top = path.stem + "/"
    with zipfile.ZipFile(path) as archive:
        names = [n for n in archive.namelist() if not n.endswith("/")]
    assert all(n.startswith(top) for n in names)
    files = {n[len(top):] for n in names}

    for name in (*PROGRAMS, "ровел2.png", "ровел_мини4.png", "README.txt"):
        assert name in files
    demo = {f for f in files if f.startswith("demo/")}
    assert any(f.endswith(".wav") for f in demo) and any(f.endswith(".mp3") for f in demo)
    assert any(f.endswith(".mid") for f in demo)
    assert "freepats/timidity.cfg" in files and any(f.startswith("freepats/Tone_000/") for f in files)
    licences = {f[len("LICENSES/"):-len(".txt")] for f in files if f.startswith("LICENSES/")}
    assert licences == licence_names()
    assert not any(f.startswith(("tests/", "bench/")) or f.endswith(".dll") for f in files)


@pytest.mark.parametrize("system", TARGETS)
def test_its_programs_are_built_for_its_windows_and_need_only_system_dlls(system, tmp_path):
    triplet, machine = TARGETS[system]
    forbidden = toolchain_dlls(triplet)
    assert "zlib1.dll" in forbidden  # the toolchain's DLLs were found at all
    with zipfile.ZipFile(package(system)) as archive:
        for program in PROGRAMS:
            data = archive.read(f"{package(system).stem}/{program}")
            assert pe_machine(data) == machine, program
            (tmp_path / program).write_bytes(data)
            assert imported_dlls(tmp_path / program, triplet).isdisjoint(forbidden), program


@pytest.mark.parametrize("system", TARGETS)
def test_its_texts_read_right_in_notepad(system):
    """The texts we write for Windows users (README.txt, LICENSES/) are UTF-8
    with a byte-order mark and CR LF line ends; freepats' notes on its own
    instruments go out as that package ships them."""
    with zipfile.ZipFile(package(system)) as archive:
        texts = [n for n in archive.namelist() if n.endswith(".txt") and "/freepats/" not in n]
        assert any(n.endswith("/README.txt") for n in texts)
        for name in texts:
            data = archive.read(name)
            assert data.startswith(b"\xef\xbb\xbf"), name
            assert data.count(b"\n") == data.count(b"\r\n") > 0, name
            data.decode("utf-8")


@pytest.fixture(scope="module")
def unpacked(tmp_path_factory):
    """The win64 zip unpacked into a new folder, as Explorer would."""
    folder = tmp_path_factory.mktemp("Загрузки")
    with zipfile.ZipFile(package("win64")) as archive:
        archive.extractall(folder)
    return folder / package("win64").stem


@pytest.fixture(scope="module")
def fresh_wine(display, pulse, tmp_path_factory):
    prefix = tmp_path_factory.mktemp("fresh-prefix")
    wine = harness.Wine(display, dict(pulse.env, WINEPREFIX=str(prefix)))
    harness.wait_for_sound_device(wine, tmp_path_factory.mktemp("warm-up"))
    yield wine
    wine.stop()


@pytest.fixture
def start(fresh_wine, artifacts):
    with harness.launcher(fresh_wine, artifacts) as run:
        yield run


def test_unpacked_deckplayer_plays_a_file(start, unpacked, pulse, artifacts, tmp_path):
    track = harness.write_tone_wav(tmp_path / "тон.wav", 440.0, 10)
    app = start("deckplayer.exe", unpacked)
    power_on_and_open_panel(app)

    recording = pulse.record(artifacts / "capture.wav")
    open_file(app, track)
    wait_until(lambda: app.title() == "тон.wav", 30, 0.2, "the track's name in the title")
    shown = time.monotonic()
    wait_until(lambda: time.monotonic() - shown > 1.5, 5, 0.1, "a stretch of the track")
    sound = recording.stop()

    heard = sound.sounding(threshold_db=-30)
    assert heard, "nothing was heard"
    assert heard[1] - heard[0] > 1.0
    tone = sound.window(heard[0] + 0.2, heard[0] + 1.0)
    assert abs(tone.frequency() - 440.0) < 9
    assert tone.level_db() > -20


def test_unpacked_mini_writes_its_playlist_beside_itself(start, unpacked):
    (unpacked / PLAYLIST).unlink(missing_ok=True)
    app = start("deckplayer-mini.exe", unpacked)
    app.click_close_box()
    assert app.wait_exit() == 0
    assert (unpacked / PLAYLIST).read_bytes().startswith("Путь = ".encode("cp1251"))
