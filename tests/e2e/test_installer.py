"""The setup as a Windows user meets it, in a fresh Wine prefix: a silent
install lays out the zip's files for the user alone, with Start menu
shortcuts that start the programs in the install folder and "Open with"
entries that leave the default player alone; the programs run as their
shortcuts start them; installing again keeps the mini's playlist; the
silent uninstall takes away all it made but the playlist; a folder the
setup cannot write is refused; the uninstaller asks about the playlist and
keeps it by default. The tests run in this order on one prefix. The 32-bit
setup cannot run here (no 32-bit Wine): only its machine type is checked."""
import hashlib
import re
import shutil
import struct
import subprocess
import time
import zipfile
from dataclasses import dataclass
from pathlib import Path, PureWindowsPath

import numpy
import pytest

import deck
import harness
from harness import wait_until
from test_deckplayer import playing_title, power_on_and_open_panel
from test_package import PLAYLIST, licence_names, package, pe_machine, version

SETUPS = {"win64": ("deckplayer-{}-setup.exe", 0x8664),
          "win32": ("deckplayer-{}-win32-setup.exe", 0x014C)}
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\deckplayer"
CLASSES = r"HKEY_CURRENT_USER\Software\Classes"
PROGRAMS = {"deckplayer.exe": "deckplayer.Track", "deckplayer-mini.exe": "deckplayer-mini.Track"}
TYPES = (".wav", ".mp3", ".mid")
DEMO_MIDI = "03 Meadow.mid"
USERS_DEFAULT = "SomePlayer.mp3"
SKIN = harness.image_rgb(harness.TOP / "skin" / "full" / "turntable.png")
NSIS_ABORTED = 2  # a setup's exit code when its script aborts the installation
NEXT, OK, FOLDER_FIELD = 1, 1, 1019  # the pages' Next button, a message's OK, the folder's field
REFUSAL = "нельзя записывать"  # in the message refusing a folder
QUESTION = f"«{PLAYLIST}»"  # in the uninstaller's question


def setup_path(system="win64"):
    return harness.BUILD / "package" / SETUPS[system][0].format(version())


@pytest.mark.parametrize("system", SETUPS)
def test_each_setup_is_built_for_its_windows(system):
    data = setup_path(system).read_bytes()
    assert pe_machine(data) == SETUPS[system][1]


@dataclass
class Shortcut:
    target: str
    working_folder: str
    arguments: str


def read_shortcut(path):
    """The target, working folder and arguments of a .lnk file: its header,
    the item list (skipped), the link information with the target's local
    path, then the counted strings (name, relative path, working folder,
    arguments, icon), each present when its flag is set."""
    data = Path(path).read_bytes()
    assert struct.unpack_from("<I", data)[0] == 0x4C, f"{path} is no shell link"
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at, target = 0x4C, None
    if flags & 0x01:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    if flags & 0x02:
        size, _, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, at)
        if info_flags & 0x01:
            target = (_c_string(data, at + base) + _c_string(data, at + suffix))
        at += size
    # Wine counts the string's terminating null too; Windows does not.
    strings = {}
    for bit, name in ((0x04, "name"), (0x08, "relative"), (0x10, "folder"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            if flags & 0x80:
                strings[name] = data[at + 2:at + 2 + 2 * count].decode("utf-16-le")
                at += 2 + 2 * count
            else:
                strings[name] = data[at + 2:at + 2 + count].decode("cp1251")
                at += 2 + count
    strings = {name: text.rstrip("\0") for name, text in strings.items()}
    return Shortcut(target, strings.get("folder"), strings.get("arguments", ""))


def _c_string(data, at):
    return data[at:data.index(b"\0", at)].decode("cp1251")


def registry(wine, key, folder):
    """A key and its subkeys as reg exports them: {key: {value name: value}},
    "@" for the default value, strings as text, DWORDs as numbers, other
    kinds as reg writes them; {} when the key does not exist."""
    out = Path(folder) / "export.reg"
    out.unlink(missing_ok=True)
    code, _ = wine.run("reg", "export", key, harness.windows_path(out), "/y")
    if code != 0:
        return {}
    keys, values = {}, None
    for line in out.read_bytes().decode("utf-16").splitlines():
        if line.startswith("[") and line.endswith("]"):
            values = keys.setdefault(line[1:-1], {})
            continue
        found = re.match(r'^(@|"(?:[^"\\]|\\.)*")=(.*)$', line)
        if found and values is not None:
            name, value = found.groups()
            values[_unquote(name) if name != "@" else "@"] = _value(value)
    return keys


def _unquote(text):
    return re.sub(r"\\(.)", r"\1", text[1:-1])


def _value(text):
    if text.startswith('"'):
        return _unquote(text)
    if text.startswith("dword:"):
        return int(text[len("dword:"):], 16)
    return text


@dataclass
class Installed:
    wine: harness.Wine
    windows_folder: str      # where the setup should put the programs, as Windows names it
    folder: Path             # the same on this side
    start_menu: Path         # the user's Start menu programs folder
    desktop: Path
    classes_before: dict     # the user's classes before the first install
    work: Path

    def linux(self, windows_path):
        return linux_path(self.wine, windows_path)

    def registry(self, key):
        return registry(self.wine, key, self.work)


def linux_path(wine, windows_path):
    path = PureWindowsPath(windows_path)
    assert path.drive.upper() == "C:", windows_path
    return Path(wine.env["WINEPREFIX"]) / "drive_c" / Path(*path.parts[1:])


def known_folder(wine, variable):
    code, out = wine.run("cmd", "/c", "echo", f"%{variable}%")
    assert code == 0
    return out.decode("ascii").strip()


def files_under(folder):
    return {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()}


def digest(data):
    return hashlib.sha256(data).hexdigest()


@pytest.fixture(scope="module")
def setup_wine(display, pulse, tmp_path_factory):
    """A fresh prefix that keeps to itself. Wine's menu builder is off: it
    would copy the Start menu shortcuts and the file types into this
    machine's own desktop menus. HOME is a folder of the test's: a new
    prefix links the user's Desktop to $HOME/Desktop (to $HOME itself when
    that is missing)."""
    prefix = tmp_path_factory.mktemp("setup-prefix")
    home = tmp_path_factory.mktemp("home")
    (home / "Desktop").mkdir()
    overrides = "mscoree,mshtml=;winealsa.drv=d;winemenubuilder.exe=d"
    wine = harness.Wine(display, dict(pulse.env, WINEPREFIX=str(prefix), HOME=str(home),
                                      WINEDLLOVERRIDES=overrides))
    harness.wait_for_sound_device(wine, tmp_path_factory.mktemp("warm-up"))
    yield wine
    wine.stop()


@pytest.fixture(scope="module")
def installed(setup_wine, tmp_path_factory):
    wine = setup_wine
    work = tmp_path_factory.mktemp("setup-work")
    # The user's own default player for one of the types, which the setup
    # must leave as it is, and the uninstaller too.
    code, _ = wine.run("reg", "add", f"{CLASSES}\\.mp3", "/ve", "/d", USERS_DEFAULT, "/f")
    assert code == 0
    classes_before = registry(wine, CLASSES, work)
    code, _ = wine.run(setup_path(), "/S", timeout=120)
    assert code == 0, f"the silent setup ended with {code}"
    windows_folder = known_folder(wine, "LOCALAPPDATA") + r"\Programs\deckplayer"
    appdata = known_folder(wine, "APPDATA")
    return Installed(wine, windows_folder, linux_path(wine, windows_folder),
                     linux_path(wine, appdata + r"\Microsoft\Windows\Start Menu\Programs"),
                     linux_path(wine, known_folder(wine, "USERPROFILE") + r"\Desktop"),
                     classes_before, work)


def test_silent_install_lays_out_the_zips_files_with_shortcuts_and_entries(installed):
    zip_path = package("win64")
    top = zip_path.stem + "/"
    with zipfile.ZipFile(zip_path) as archive:
        zipped = {n[len(top):]: digest(archive.read(n)) for n in archive.namelist()
                  if not n.endswith("/")}
    setup_only = {"uninstall.exe"} | {f"LICENSES/{n}.txt" for n in
                                      licence_names("setup") - licence_names("zip")}
    assert setup_only != {"uninstall.exe"}, "the setup carries its stub's licence"
    found = files_under(installed.folder)
    assert found == set(zipped) | setup_only
    assert {"ровел2.png", "ровел_мини4.png"} <= found
    changed = [n for n, d in zipped.items() if digest((installed.folder / n).read_bytes()) != d]
    assert not changed, f"installed files differ from the zip's: {changed}"

    for program in PROGRAMS:
        shortcut = read_shortcut(installed.start_menu / Path(program).with_suffix(".lnk"))
        assert shortcut == Shortcut(f"{installed.windows_folder}\\{program}",
                                    installed.windows_folder, "")
    assert not (installed.desktop / "deckplayer.lnk").exists(), "the desktop one is optional"

    key = "HKEY_CURRENT_USER\\" + UNINSTALL_KEY
    entry, folder = installed.registry(key)[key], installed.windows_folder
    size_kb = sum((installed.folder / n).stat().st_size for n in found) / 1024
    assert entry["DisplayName"] == "deckplayer"
    assert entry["DisplayVersion"] == version()
    assert entry["Publisher"] == "the deckplayer developers"
    assert entry["DisplayIcon"] == f"{folder}\\deckplayer.exe,0"
    assert entry["InstallLocation"] == folder
    assert entry["UninstallString"] == f'"{folder}\\uninstall.exe"'
    assert entry["QuietUninstallString"] == f'"{folder}\\uninstall.exe" /S'
    assert abs(entry["EstimatedSize"] - size_kb) < 0.02 * size_kb
    assert not installed.registry("HKEY_LOCAL_MACHINE\\" + UNINSTALL_KEY), "for this user only"

    classes = installed.registry(CLASSES)
    for program, progid in PROGRAMS.items():
        command = f'"{folder}\\{program}" "%1"'
        application = f"{CLASSES}\\Applications\\{program}"
        assert classes[application]["FriendlyAppName"] == Path(program).stem
        assert set(classes[application + "\\SupportedTypes"]) == set(TYPES)
        assert classes[application + r"\shell\open\command"]["@"] == command
        assert classes[f"{CLASSES}\\{progid}\\shell\\open\\command"]["@"] == command
    for extension in TYPES:
        assert set(classes[f"{CLASSES}\\{extension}\\OpenWithProgids"]) == set(PROGRAMS.values())
    assert "@" not in classes[f"{CLASSES}\\.wav"], "no default is taken"
    assert classes[f"{CLASSES}\\.mp3"]["@"] == USERS_DEFAULT


def record_turns(shot):
    """Whether the record label is drawn turned: the skin beneath the canvas
    shows the record unturned, so with no record picture (one not found in
    the working folder) the label's square matches the skin pixel for pixel,
    while the turning picture leaves a good part of it different."""
    x, y, w, h = deck.canvas_box(deck.FULL)
    centre_x, centre_y, r = x + w // 2, y + h // 2, w // 6
    label = (slice(centre_y - r, centre_y + r), slice(centre_x - r, centre_x + r))
    difference = numpy.abs(shot[label].astype(int) - SKIN[label].astype(int)).max(axis=2)
    return (difference > 48).mean() > 0.1


def test_deckplayer_started_as_its_shortcut_plays_the_demo_midi(installed, pulse, artifacts):
    shortcut = read_shortcut(installed.start_menu / "deckplayer.lnk")
    app = harness.App(installed.wine, installed.linux(shortcut.target),
                      installed.linux(shortcut.working_folder), artifacts)
    try:
        power_on_and_open_panel(app)
        recording = pulse.record(artifacts / "midi.wav")
        app.click(*deck.OPEN_LINK)
        app.answer_open_dialog(f"{installed.windows_folder}\\demo\\{DEMO_MIDI}")
        playing_title(app, [DEMO_MIDI])
        shown = time.monotonic()
        harness.screenshot_until(app, "playing", record_turns, timeout=15)
        wait_until(lambda: time.monotonic() - shown > 2.0, 15, 0.1, "two seconds of the piece")
        sound = recording.stop()
    finally:
        app.stop()
    heard = sound.sounding(threshold_db=-40)
    assert heard and heard[1] - heard[0] > 1.5, "the MIDI piece was not heard"


def test_mini_started_as_its_shortcut_writes_its_playlist_in_the_install_folder(installed,
                                                                                artifacts):
    shortcut = read_shortcut(installed.start_menu / "deckplayer-mini.lnk")
    assert not (installed.folder / PLAYLIST).exists()
    app = harness.App(installed.wine, installed.linux(shortcut.target),
                      installed.linux(shortcut.working_folder), artifacts)
    app.click_close_box()
    assert app.wait_exit() == 0
    assert (installed.folder / PLAYLIST).read_bytes().startswith("Путь = ".encode("cp1251"))


def test_installing_again_keeps_the_playlist(installed):
    playlist = (installed.folder / PLAYLIST).read_bytes()
    before = files_under(installed.folder)
    code, _ = installed.wine.run(setup_path(), "/S", timeout=120)
    assert code == 0
    assert files_under(installed.folder) == before
    assert (installed.folder / PLAYLIST).read_bytes() == playlist


def test_silent_uninstall_leaves_the_playlist_and_nothing_else(installed, tmp_path):
    # The uninstaller copies itself elsewhere and returns at once unless it is
    # told its folder with _?=; the copy made here is waited for, and the
    # installed one can then be deleted like every other file.
    copy = shutil.copy(installed.folder / "uninstall.exe", tmp_path / "uninstall.exe")
    code, _ = installed.wine.run(copy, "/S", f"_?={installed.windows_folder}", timeout=120)
    assert code == 0
    assert files_under(installed.folder) == {PLAYLIST}
    assert not list(installed.folder.glob("*/")), "a folder is left"
    assert not list(installed.start_menu.glob("deckplayer*"))
    assert not installed.registry("HKEY_CURRENT_USER\\" + UNINSTALL_KEY)
    assert installed.registry(CLASSES) == installed.classes_before


def message_text(window):
    return " ".join(c.text for c in window.controls)


def window_saying(app, text):
    found = [w for w in app.wine.windows() if text in message_text(w)]
    return found[0] if found else None


def folder_field(app):
    fields = [c for w in app.wine.windows() for c in w.controls
              if c.id == FOLDER_FIELD and c.class_name == "Edit" and c.visible]
    return fields[0].text if fields else None


@pytest.fixture
def unwritable(tmp_path):
    """A folder inside which not even root creates anything: an immutable one.
    (Wine, run as root, can write every other folder here. A path through a
    file, a missing drive or a folder of /proc is no test either: the setup
    takes the first two for no folder at all and, when silent, falls back to
    the default one, and disables Install for the third, which has no space.)
    Yields the Windows path of a folder to be made inside it."""
    folder = tmp_path / "read-only"
    folder.mkdir()
    if subprocess.run(["chattr", "+i", str(folder)], capture_output=True).returncode != 0:
        pytest.skip("chattr +i is refused here (it needs CAP_LINUX_IMMUTABLE)")
    try:
        yield harness.windows_path(folder) + "\\deckplayer"
    finally:
        subprocess.run(["chattr", "-i", str(folder)], check=True)


def test_a_folder_that_cannot_be_written_is_refused(installed, unwritable, artifacts, tmp_path):
    code, _ = installed.wine.run(setup_path(), "/S", f"/D={unwritable}", timeout=120)
    assert code == NSIS_ABORTED
    assert not installed.registry("HKEY_CURRENT_USER\\" + UNINSTALL_KEY)
    assert files_under(installed.folder) == {PLAYLIST}, "nothing is installed elsewhere"

    setup = harness.App(installed.wine, setup_path(), tmp_path, artifacts,
                        window_class="#32770", args=[f"/D={unwritable}"])
    try:
        setup.click_control(setup.top, NEXT)  # from the components to the directory page
        wait_until(lambda: folder_field(setup) == unwritable, 20, 0.2, "the directory page")
        setup.click_control(setup.top, NEXT)
        message = wait_until(lambda: window_saying(setup, REFUSAL), 20, 0.2, "the refusal")
        assert unwritable in message_text(message)
        setup.click_control(message, OK)
        wait_until(lambda: not window_saying(setup, REFUSAL), 20, 0.2, "the message to close")
        assert folder_field(setup) == unwritable, "the directory page stays"
    finally:
        setup.stop()


def test_uninstall_asks_about_the_playlist_and_keeps_it_unless_told(installed, artifacts,
                                                                    tmp_path):
    code, _ = installed.wine.run(setup_path(), "/S", timeout=120)
    assert code == 0
    copy = shutil.copy(installed.folder / "uninstall.exe", tmp_path / "uninstall.exe")
    uninstall = harness.App(installed.wine, copy, tmp_path, artifacts, window_class="#32770",
                            args=[f"_?={installed.windows_folder}"])
    try:
        uninstall.click_control(uninstall.top, NEXT)  # Uninstall, on the confirmation page
        wait_until(lambda: window_saying(uninstall, QUESTION), 20, 0.2, "the question")
        uninstall.key("Return")  # the default answer
        wait_until(lambda: files_under(installed.folder) == {PLAYLIST}, 30, 0.2,
                   "every file but the playlist to go")
    finally:
        uninstall.stop()
