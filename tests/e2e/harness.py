"""Drives the real programs under Wine and Xvfb, as a user would.

Everything started here is stopped by the PID it was started with, never by
name, so that nothing else on the machine is disturbed.
"""
import math
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import wave
from contextlib import contextmanager
from dataclasses import dataclass, field
from pathlib import Path

import numpy

TOP = Path(__file__).resolve().parents[2]
BUILD = TOP / "build"
X64 = BUILD / "x86_64-w64-mingw32"
DIST = BUILD / "dist"
WINPROBE = X64 / "tests" / "e2e" / "programs" / "winprobe.exe"
LIST_FOLDER = X64 / "tests" / "e2e" / "programs" / "list_folder.exe"
PLAY_FILE = X64 / "tests" / "e2e" / "programs" / "play_file.exe"
ACCPROBE = X64 / "tests" / "e2e" / "programs" / "accprobe.exe"
PLAYER_WINDOW_CLASS = "DeckplayerWindow"


def wait_until(predicate, timeout, interval=0.05, what="condition"):
    """Polls until predicate() is truthy; returns its value or raises."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def screenshot_until(app, name, shows, timeout=30):
    """Takes screenshots of the client area until shows(picture) holds for
    one; returns that picture (RGB) or raises."""
    def shown():
        picture = image_rgb(app.screenshot(name))
        return [picture] if shows(picture) else None
    return wait_until(shown, timeout, 0.1, f"the screenshot {name!r} to show it")[0]


def cpu_seconds(pid):
    """User and system time a Linux process has spent, from /proc."""
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def cpu_share(pid, seconds):
    """Per cent of one core the process takes over a span of wall clock."""
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return 100 * (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)


def stop_process(process, timeout=5.0, first_signal=signal.SIGTERM):
    """Stops one process we started, by its PID."""
    if process.poll() is not None:
        return process.returncode
    process.send_signal(first_signal)
    try:
        return process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        return process.wait(timeout)


class Xvfb:
    """An X display of our own; Xvfb picks a free number and tells it through a pipe."""

    def __init__(self, width=1280, height=1024):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            stop_process(self.process)
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def stop(self):
        stop_process(self.process)


class PulseServer:
    """A PulseAudio server of our own with a null sink; its monitor is what Wine played."""

    SINK = "deck"

    def __init__(self, root):
        self.root = Path(root).resolve()
        self.env = self.environment(self.root)
        env = dict(os.environ, **self.env)
        # norewinds: without it the start of every stream is missing from the monitor.
        self.process = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
             "--use-pid-file=no", "--log-target=stderr",
             "--load=module-native-protocol-unix",
             f"--load=module-null-sink sink_name={self.SINK} rate=44100 norewinds=1"],
            env=env, stdout=subprocess.DEVNULL, stderr=open(self.root / "pulse.log", "ab"))
        wait_until(self._ready, 15, 0.1, "PulseAudio")
        subprocess.run(["pactl", "set-default-sink", self.SINK], env=env, check=True)

    @staticmethod
    def environment(root):
        """Where clients find a server of ours at root, whether it runs yet or not."""
        root = Path(root).resolve()
        runtime = root / "runtime"
        for d in (runtime, root / "state", root / "xdg"):
            d.mkdir(parents=True, exist_ok=True)
        return {
            "PULSE_RUNTIME_PATH": str(runtime),
            "PULSE_STATE_PATH": str(root / "state"),
            "XDG_RUNTIME_DIR": str(root / "xdg"),
            "PULSE_SERVER": f"unix:{runtime}/native",
        }

    def _ready(self):
        if self.process.poll() is not None:
            raise RuntimeError("PulseAudio exited; see " + str(self.root / "pulse.log"))
        env = dict(os.environ, **self.env)
        return subprocess.run(["pactl", "info"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def record(self, path):
        """Starts recording the sink's monitor to a WAV file; stop() the result."""
        return Recording(self, Path(path))

    def stop(self):
        stop_process(self.process)

    def crash(self):
        """Ends the server at once, as a crash would: no goodbye to its clients."""
        stop_process(self.process, first_signal=signal.SIGKILL)


class Recording:
    def __init__(self, pulse, path):
        self.path = path
        env = dict(os.environ, **pulse.env)
        self.process = subprocess.Popen(
            ["parec", "-d", f"{pulse.SINK}.monitor", "--file-format=wav", "--rate=44100",
             "--channels=2", "--format=s16le", "--latency-msec=20", str(path)],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started = time.monotonic()

    def stop(self):
        # parec writes the WAV header's sizes when it is interrupted.
        stop_process(self.process, first_signal=signal.SIGINT)
        return Sound.load(self.path)

    def so_far(self):
        """What has been recorded until now (the header's sizes are not written yet)."""
        data = self.path.read_bytes() if self.path.exists() else b""
        at = data.find(b"data")
        samples = numpy.frombuffer(data[at + 8:len(data) - (len(data) - at - 8) % 4], dtype="<i2") \
            if at >= 0 else numpy.zeros(0, dtype="<i2")
        return Sound(samples.reshape(-1, 2).astype(numpy.float64).mean(axis=1) / 32768.0, 44100)

    def steady_level(self, skip=0.5, span=0.5, tolerance_db=0.5, timeout=10.0):
        """Records until the level holds: after the first `skip` seconds, the
        last two spans agree within tolerance_db. A change of volume reaches
        the sink only after the output's buffers, later still on a loaded
        machine, so a fixed stretch of recording can still hold the old level.
        Stops the recording and returns that level; None by the deadline."""
        deadline = time.monotonic() + timeout
        level = None
        while level is None and time.monotonic() < deadline:
            time.sleep(0.1)
            sound = self.so_far()
            end = sound.seconds()
            if end < skip + 2 * span:
                continue
            last = sound.window(end - span, end).level_db()
            before = sound.window(end - 2 * span, end - span).level_db()
            if math.isfinite(last) and abs(last - before) < tolerance_db:
                level = (last + before) / 2
        self.stop()
        return level


@dataclass
class Sound:
    """A mono view of a recording, with the measures the tests compare."""
    samples: numpy.ndarray  # float, full scale 1.0
    rate: int

    @staticmethod
    def load(path):
        with wave.open(str(path), "rb") as f:
            rate, channels = f.getframerate(), f.getnchannels()
            data = numpy.frombuffer(f.readframes(f.getnframes()), dtype="<i2")
        data = data.reshape(-1, channels).astype(numpy.float64).mean(axis=1) / 32768.0
        return Sound(data, rate)

    def seconds(self):
        return len(self.samples) / self.rate

    def window(self, start, end):
        return Sound(self.samples[int(start * self.rate):int(end * self.rate)], self.rate)

    def level_db(self):
        """RMS level in dB below full scale; -inf for silence."""
        if len(self.samples) == 0:
            return -math.inf
        rms = math.sqrt(float(numpy.mean(self.samples ** 2)))
        return 20 * math.log10(rms) if rms > 0 else -math.inf

    def frequency(self):
        """The main frequency, from the FFT peak refined by a parabola."""
        x = self.samples * numpy.hanning(len(self.samples))
        spectrum = numpy.abs(numpy.fft.rfft(x))
        spectrum[0] = 0
        k = int(numpy.argmax(spectrum))
        if 0 < k < len(spectrum) - 1:
            a, b, c = numpy.log(spectrum[k - 1:k + 2] + 1e-12)
            k += 0.5 * (a - c) / (a - 2 * b + c)
        return k * self.rate / len(self.samples)

    def sounding(self, threshold_db=-40, block=0.05):
        """(start, end) in seconds of the span whose blocks are louder than the threshold."""
        n = int(block * self.rate)
        loud = [i for i in range(0, len(self.samples) - n, n)
                if Sound(self.samples[i:i + n], self.rate).level_db() > threshold_db]
        if not loud:
            return None
        return loud[0] / self.rate, (loud[-1] + n) / self.rate


class Wine:
    """The project's Wine prefix with a warm wineserver, on a given display."""

    def __init__(self, display, extra_env=None):
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env.pop("LANGUAGE", None)
        env.update({
            "DISPLAY": display,
            "WINEPREFIX": os.environ.get("WINEPREFIX", str(BUILD / "wineprefix")),
            "WINEDEBUG": "-all",
            # No ALSA driver: with it enabled, a process whose first device
            # use finds no PulseAudio server settles on ALSA (which has no
            # card here) for its whole life, so no later open can reach
            # PulseAudio; without it the next open does.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winealsa.drv=d",
            # Code page 1251 for the programs' ANSI texts and file names.
            "LANG": "ru_RU.UTF-8",
        })
        env.update(extra_env or {})
        self.env = env
        self.wine64 = shutil.which("wine64") or "/usr/lib/wine/wine64"
        self.server_program = shutil.which("wineserver") or "/usr/lib/wine/wineserver64"
        subprocess.run([str(TOP / "scripts" / "wine-prefix")], env=env, check=True)
        self.server = subprocess.Popen([self.server_program, "-f", "-p"], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine's own services must not inherit a test's pipes.
        subprocess.run([self.wine64, "wineboot"], env=env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)

    def run(self, program, *args, cwd=None, timeout=60):
        """Runs a console program to its end; returns (exit code, stdout bytes)."""
        done = subprocess.run([self.wine64, str(program), *map(str, args)], cwd=cwd,
                              env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                              timeout=timeout)
        return done.returncode, done.stdout

    def start(self, program, cwd, log, extra_env=None, args=()):
        return subprocess.Popen([self.wine64, str(program), *map(str, args)], cwd=cwd,
                                env=dict(self.env, **(extra_env or {})),
                                stdin=subprocess.DEVNULL, stdout=log, stderr=log)

    def windows(self, timeout=20):
        """The visible top-level Windows windows, as TopWindow records. The
        probe reads every list entry across processes, a few ms each when the
        machine is busy, so a list of thousands may need a longer timeout. A
        probe that hangs (seen once in a minute on a fresh prefix under load)
        counts as seeing nothing, so the caller's polling tries again."""
        try:
            code, out = self.run(WINPROBE, timeout=timeout)
        except subprocess.TimeoutExpired:
            return []
        return parse_probe(out)

    def accessible(self, window_class, title="", timeout=20):
        """What a screen reader in another process reads from the accessible
        object of the first visible window of that class (and title prefix):
        AccessibleRecords of the window's client object (id 0) and of each
        child, a list's entries in its `entries`. [] when the probe found no
        such window or object, or hung, so that a caller's polling tries again."""
        args = [window_class] + (["title", title] if title else [])
        try:
            code, out = self.run(ACCPROBE, *args, timeout=timeout)
        except subprocess.TimeoutExpired:
            return []
        return parse_accessible(out) if code == 0 else []

    def accessible_click(self, window_class, child, title="", timeout=20):
        """Asks for child's default action (accDoDefaultAction) from another
        process; True when the object accepted it."""
        args = [window_class] + (["title", title] if title else []) + ["click", child]
        code, _ = self.run(ACCPROBE, *args, timeout=timeout)
        return code == 0

    def listing(self, folder):
        """A folder's names in the order the system lists them to a program."""
        code, out = self.run(LIST_FOLDER, windows_path(folder))
        assert code == 0, f"list_folder could not read {folder}"
        return [_text(line) for line in out.decode("ascii").split()]

    def stop(self):
        # The server ends the prefix's processes with it; a plain signal to
        # the server would leave Wine's services behind as orphans.
        subprocess.run([self.server_program, "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)
        try:
            self.server.wait(15)
        except subprocess.TimeoutExpired:
            stop_process(self.server)


def wait_for_sound_device(wine, folder, timeout=90):
    """Plays a short tone until the audio library reports the device, not the
    silent output. The first device open in a fresh prefix registers Wine's
    audio endpoints (measured at 2.3 s, against 30 ms later), and a loaded
    machine stretches that; the tests then start on a prefix that is ready."""
    tone = write_tone_wav(Path(folder) / "warm-up.wav", 440.0, 0.3)

    def device_heard():
        code, out = wine.run(PLAY_FILE, windows_path(tone), 0.0, 0.2, timeout=60)
        return code == 0 and out.split()[:1] == [b"device"]
    wait_until(device_heard, timeout, 1.0, "the audio library to open the sound device")


def _text(hex_text):
    return bytes.fromhex(hex_text).decode("cp1251")


@dataclass
class Control:
    """A child window (gadget) as the probe saw it."""
    class_name: str
    id: int
    visible: bool
    rect: tuple  # x, y, width, height in the top window's client area
    text: str
    selected: int = -1  # list boxes: the selected index
    items: tuple = ()   # list boxes: the entries
    item_height: int = 0
    top_index: int = 0

    def item_centre(self, index):
        """Where entry `index` shows, in the top window's client area."""
        x, y, width, _ = self.rect
        return x + width // 2, y + 2 + (index - self.top_index) * self.item_height + self.item_height // 2


@dataclass
class TopWindow:
    class_name: str
    outer: tuple   # left, top, right, bottom in screen coordinates
    client: tuple  # left, top, width, height in screen coordinates
    title: str
    controls: list

    def control(self, number):
        """The gadget with that number (its control identifier)."""
        found = [c for c in self.controls if c.id == number]
        return found[0] if found else None


def parse_probe(out):
    windows = []
    for line in out.decode("ascii").splitlines():
        fields = line.split("\t")
        if fields[0] == "window":
            _, class_name, outer, client, title = (fields + [""])[:5]
            windows.append(TopWindow(class_name, tuple(map(int, outer.split())),
                                     tuple(map(int, client.split())), _text(title), []))
        elif fields[0] == "child" and windows:
            _, class_name, number, visible, rect, text = fields[:6]
            control = Control(class_name, int(number), visible == "1",
                              tuple(map(int, rect.split())), _text(text))
            if len(fields) > 6:
                control.selected, control.item_height, control.top_index = map(int, fields[6].split())
                control.items = tuple(_text(item) for item in fields[7:])
            windows[-1].controls.append(control)
    return windows


@dataclass
class AccessibleRecord:
    """One element as a screen reader in another process read it (accprobe)."""
    id: int
    name: str
    role: int    # ROLE_SYSTEM_*
    state: int   # STATE_SYSTEM_* bits
    value: str
    location: tuple  # left, top, width, height in screen coordinates
    action: str      # the default action's name
    entries: list = field(default_factory=list)  # a list's entries, as records


def parse_accessible(out):
    records = []
    for line in out.decode("ascii").splitlines():
        fields = line.split("\t")
        if fields[0] not in ("child", "entry") or len(fields) != 8:
            continue
        _, number, name, role, state, value, location, action = fields
        record = AccessibleRecord(int(number), _text(name), int(role), int(state, 16),
                                  _text(value), tuple(map(int, location.split())), _text(action))
        if fields[0] == "child":
            records.append(record)
        elif records:
            records[-1].entries.append(record)
    return records


class App:
    """One running program and its main window."""

    def __init__(self, wine, program, cwd, artifacts, window_class=PLAYER_WINDOW_CLASS,
                 extra_env=None, args=()):
        self.wine = wine
        self.artifacts = Path(artifacts)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.log = open(self.artifacts / f"{Path(program).stem}.log", "ab")
        self.process = wine.start(program, cwd, self.log, extra_env, args)
        self.window_class = window_class
        self.top = wait_until(self._find_window, 30, 0.2, f"a {window_class} window")
        self.xid = wait_until(self._find_xid, 10, 0.1, "its X window")

    def _find_window(self, probe_timeout=20):
        if self.process.poll() is not None:
            raise RuntimeError(f"program exited with {self.process.returncode}")
        found = [w for w in self.wine.windows(probe_timeout)
                 if w.class_name == self.window_class]
        return found[0] if found else None

    def _find_xid(self):
        out = self._xdotool("search", "--onlyvisible", "--pid", str(self.process.pid),
                            check=False)
        ids = out.split()
        return ids[0] if ids else None

    def refresh(self, probe_timeout=20):
        """Reads the window's rectangles again (after a resize). The deadline
        leaves room for one hung probe and the tries after it."""
        self.top = wait_until(lambda: self._find_window(probe_timeout), probe_timeout + 10, 0.1,
                              "the window")
        return self.top

    def _xdotool(self, *args, check=True):
        done = subprocess.run(["xdotool", *args], env=self.wine.env, capture_output=True,
                              check=check)
        return done.stdout.decode("utf-8", "replace").strip()

    # What the user sees.
    def control(self, number, probe_timeout=20):
        """The gadget with that number, read afresh."""
        return self.refresh(probe_timeout).control(number)

    def client_size(self):
        return self.refresh().client[2:]

    def title(self):
        """The title as X shows it (UTF-8 from Wine)."""
        return self._xdotool("getwindowname", self.xid)

    def screenshot(self, name):
        """The client area as a PNG under the artifacts folder; returns its path."""
        left, top, width, height = self.refresh().client
        path = self.artifacts / f"{name}.png"
        subprocess.run(["import", "-display", self.wine.env["DISPLAY"], "-window", "root",
                        "-crop", f"{width}x{height}+{left}+{top}", "+repage", str(path)],
                       check=True)
        return path

    # What the user does, at client coordinates.
    def _screen(self, x, y):
        left, top = self.top.client[:2]
        return str(left + x), str(top + y)

    def move(self, x, y):
        self._xdotool("mousemove", "--sync", *self._screen(x, y))

    def click(self, x, y, button=1, repeat=1):
        # Let the program's passes see the cursor there first: some controls
        # move their gadget under the cursor only while it hovers.
        self.move(x, y)
        time.sleep(0.15)
        self.press(button, repeat)

    def click_control(self, window, number):
        """Clicks the middle of control `number` of one of the program's top
        windows as the probe saw it: a page of a wizard, a message box."""
        x, y, width, height = window.control(number).rect
        left, top = window.client[:2]
        self._xdotool("mousemove", "--sync", str(left + x + width // 2),
                      str(top + y + height // 2))
        self.press()

    def press(self, button=1, repeat=1):
        """Clicks where the cursor is; repeated clicks are 80 ms apart."""
        self._xdotool("click", "--repeat", str(repeat), "--delay", "80", str(button))

    def drag(self, start, end, steps=10, hold=0.0):
        """Presses at start, moves to end and lets go after holding there for
        hold seconds, as a person settles a knob: a loop that reads the button
        and the cursor once a pass sees the end only while the button is down."""
        self.move(*start)
        self._xdotool("mousedown", "1")
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
            time.sleep(0.02)
        time.sleep(hold)
        self._xdotool("mouseup", "1")

    def key(self, *keys):
        self._xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self._xdotool("type", "--delay", "20", text)

    def answer_open_dialog(self, path, timeout=20):
        """Types a path into the open-file requester ("Открыть") and confirms it."""
        wait_until(lambda: any(w.title == "Открыть" and w.class_name == "#32770"
                               for w in self.wine.windows()), timeout, 0.2, "the requester")
        xid = self._xdotool("search", "--sync", "--onlyvisible", "--name", "^Открыть$").split()[0]
        self._xdotool("windowfocus", "--sync", xid)
        time.sleep(0.3)
        self.type_text(path)
        self.key("Return")

    def cancel_open_dialog(self, timeout=20):
        wait_until(lambda: any(w.title == "Открыть" and w.class_name == "#32770"
                               for w in self.wine.windows()), timeout, 0.2, "the requester")
        xid = self._xdotool("search", "--sync", "--onlyvisible", "--name", "^Открыть$").split()[0]
        self._xdotool("windowfocus", "--sync", xid)
        time.sleep(0.3)
        self.key("Escape")

    def click_close_box(self):
        """The close box is the right-most square of the caption that Wine draws."""
        outer_left, outer_top, outer_right, _ = self.top.outer
        left, top = self.top.client[:2]
        border = left - outer_left
        caption = top - outer_top - border
        x = outer_right - border - caption // 2 - 1
        y = outer_top + border + caption // 2
        self._xdotool("mousemove", "--sync", str(x), str(y))
        self._xdotool("click", "1")

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout)

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        code = stop_process(self.process)
        self.log.close()
        return code


@contextmanager
def launcher(wine, artifacts):
    """start(program, cwd, extra_env) starts a program in a working folder as
    an App; whatever is still running is stopped when the block ends."""
    started = []

    def start(program, cwd, extra_env=None):
        app = App(wine, cwd / program, cwd, artifacts, extra_env=extra_env)
        started.append(app)
        return app

    try:
        yield start
    finally:
        for app in started:
            if app.alive():
                app.stop()


def image_rgb(png_path):
    """A PNG as a height x width x 3 uint8 array (through ImageMagick)."""
    info = subprocess.run(["identify", "-format", "%w %h", str(png_path)],
                          capture_output=True, check=True).stdout.split()
    width, height = int(info[0]), int(info[1])
    raw = subprocess.run(["convert", str(png_path), "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return numpy.frombuffer(raw, dtype=numpy.uint8).reshape(height, width, 3)


def temporary_folder(prefix="deck-e2e-"):
    return Path(tempfile.mkdtemp(prefix=prefix))


def write_tone_wav(path, frequency, seconds, rate=44100, channels=2, amplitude=0.5):
    """A sine tone as 16-bit PCM: a track whose sound tells which one plays."""
    t = numpy.arange(int(seconds * rate)) / rate
    tone = (amplitude * 32767 * numpy.sin(2 * math.pi * frequency * t)).astype("<i2")
    with wave.open(str(path), "wb") as f:
        f.setnchannels(channels)
        f.setsampwidth(2)
        f.setframerate(rate)
        f.writeframes(numpy.repeat(tone, channels).tobytes())
    return Path(path)


def write_tone_mp3(path, frequency, seconds):
    path = Path(path)
    source = path.with_suffix(".source.wav")
    write_tone_wav(source, frequency, seconds)
    subprocess.run(["lame", "--silent", "-b", "192", str(source), str(path)], check=True)
    source.unlink()
    return path


def write_tone_ima_adpcm(path, frequency, seconds):
    """The tone as IMA ADPCM, the WAV encoding of dictaphones and old games."""
    path = Path(path)
    source = path.with_suffix(".source.wav")
    write_tone_wav(source, frequency, seconds)
    subprocess.run(["sox", str(source), "-e", "ima-adpcm", str(path)], check=True)
    source.unlink()
    return path


def write_tone_mp3_in_wav(path, frequency, seconds):
    """The tone as MPEG layer III frames in a WAVE wrapper (format tag 0x55),
    as some recorders and converters write it."""
    path = Path(path)
    mpeg = write_tone_mp3(path.with_suffix(".source.mp3"), frequency, seconds)
    frames = mpeg.read_bytes()
    mpeg.unlink()
    # MPEGLAYER3WAVEFORMAT: the WAVEFORMATEX fields, then the MPEG ones.
    fmt = struct.pack("<HHIIHHHHIHHH", 0x55, 2, 44100, 24000, 1, 0, 12, 1, 2, 627, 1, 1393)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(frames)) + frames + b"\0" * (len(frames) % 2)
    path.write_bytes(b"RIFF" + struct.pack("<I", len(body)) + body)
    return path


def windows_path(path):
    """The path as a Windows program under Wine names it (drive Z: is /)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")
