#!/usr/bin/python3
"""A long run of deckplayer, watched for leaks.

    soak.py [SECONDS]        (make soak; SECONDS defaults to SOAK_SECONDS or 3600)

The player goes through a folder of short tracks of every kind (WAV, MP3,
MIDI, damaged files between them) and starts it again from the top at its
end; every few minutes the panel slides in and out and the tonearm lift
pauses and resumes. Every sample period it records what a leak would make
grow: GDI and USER objects, windows, handles, private bytes and threads, and
after a warm-up prints the slope of each per 100 tracks. Under Wine some of
these are not available to another process (GetGuiResources, the handle
count and private bytes read 0 there); those are reported as such, and the
Linux side stands in: the process's open descriptors, its resident anonymous
memory and its threads.
"""
import functools
import os
import shutil
import signal
import statistics
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import damaged_media  # noqa: E402
import deck  # noqa: E402
import harness  # noqa: E402
from harness import wait_until  # noqa: E402

PROCSTAT = harness.X64 / "tests" / "e2e" / "programs" / "procstat.exe"
IDLE_TITLE = "Ровел mp3"
LIST = 11
OPEN_SIZE = deck.OPEN_SIZE
CLOSED_SIZE = deck.CLOSED_SIZE
TRACK_SECONDS = 1.5
# A title held this long means a click of the stir's resume was lost.
STUCK_SECONDS = 20.0
# What counts as a clear leak: this much growth per 100 tracks.
LEAK_PERCENT_PER_100_TRACKS = 1.0

METRICS = ["gdi objects", "user objects", "windows", "handles (Windows)", "private bytes (Windows)",
           "threads (Windows)", "descriptors (Linux)", "private bytes (Linux, RssAnon)",
           "threads (Linux)"]


def make_folder(folder):
    """Short tracks of every kind, damaged ones between them."""
    folder.mkdir(parents=True, exist_ok=True)
    corpus = damaged_media.write_corpus(Path(tempfile.mkdtemp(prefix="deck-soak-corpus-")))
    for i in range(6):
        harness.write_tone_wav(folder / f"{i}a.wav", 300.0 + 50 * i, TRACK_SECONDS, rate=22050,
                               channels=1)
        harness.write_tone_mp3(folder / f"{i}b.mp3", 600.0 + 50 * i, TRACK_SECONDS)
        damaged_media.write_midi(folder / f"{i}c.mid")
        for k, name in enumerate(damaged_media.DOZEN[2 * i:2 * i + 2]):
            source, target = corpus / name, folder / f"{i}d{k}-{name}"
            if source.is_dir():
                target.mkdir(exist_ok=True)
            else:
                shutil.copy(source, target)
    shutil.rmtree(corpus, ignore_errors=True)
    return folder


def linux_side(pid, reads=6, interval=0.4):
    """Descriptors, resident anonymous bytes and threads of a Linux process,
    each the highest of a few reads over two seconds: a track's buffers come
    and go (1.7 MB of 26 MB), and a single read would see them or not by
    chance, while the highest value over more than a track's length is
    steady unless something leaks."""
    peaks = [0, 0, 0]
    for i in range(reads):
        status = Path(f"/proc/{pid}/status").read_text()
        fields = dict(line.split(":", 1) for line in status.splitlines() if ":" in line)
        anon_kb = int(fields.get("RssAnon", "0 kB").split()[0])
        now = [len(os.listdir(f"/proc/{pid}/fd")), anon_kb * 1024, int(fields["Threads"].strip())]
        peaks = [max(a, b) for a, b in zip(peaks, now)]
        if i + 1 < reads:
            time.sleep(interval)
    return peaks


def windows_side(wine, procstat):
    code, out = wine.run(procstat, harness.PLAYER_WINDOW_CLASS, timeout=60)
    if code != 0:
        raise RuntimeError(f"procstat exited with {code}")
    return [int(v) for v in out.split()]


@dataclass
class Sample:
    seconds: float
    tracks: float
    values: list


@dataclass
class Report:
    samples: list = field(default_factory=list)
    warm_up: float = 0.0

    def settled(self):
        return [s for s in self.samples if s.seconds >= self.warm_up]

    def growth(self, index):
        """(value at the start, percent growth per 100 tracks), from the medians
        of the first and the last third of the settled samples, so that a
        thread that comes and goes is no trend; None when not available."""
        settled = self.settled()
        if not any(s.values[index] for s in self.samples):
            return None
        if len(settled) < 3:
            return settled[-1].values[index] if settled else 0, 0.0
        third = max(1, len(settled) // 3)
        first, last = settled[:third], settled[-third:]
        start = statistics.median(s.values[index] for s in first)
        end = statistics.median(s.values[index] for s in last)
        tracks = statistics.median(s.tracks for s in last) - statistics.median(s.tracks for s in first)
        if tracks <= 0 or start <= 0:
            return start, 0.0
        return start, (end - start) / start * 100.0 * 100.0 / tracks

    def leaks(self, limit=LEAK_PERCENT_PER_100_TRACKS):
        """What grew clearly: faster than limit percent per 100 tracks, and
        with every value of the last third above every value of the first
        (memory wanders by about 1.5 % from one sample to the next with no
        trend at all)."""
        found = []
        settled = self.settled()
        third = max(1, len(settled) // 3)
        for index, name in enumerate(METRICS):
            result = self.growth(index)
            if not result or result[1] <= limit:
                continue
            if min(s.values[index] for s in settled[-third:]) > max(s.values[index] for s in settled[:third]):
                found.append(name)
        return found

    def text(self):
        settled = self.settled()
        lines = [f"{len(self.samples)} samples, {len(settled)} after a warm-up of "
                 f"{self.warm_up:.0f} s; {self.samples[-1].tracks:.0f} tracks in "
                 f"{self.samples[-1].seconds:.0f} s" if self.samples else "no samples"]
        for index, name in enumerate(METRICS):
            result = self.growth(index)
            if result is None:
                lines.append(f"  {name:32s} not available (0 throughout)")
                continue
            first = settled[0].values[index]
            last = settled[-1].values[index]
            lines.append(f"  {name:32s} {first:>12} -> {last:>12}   slope {result[1]:+.3f} % "
                         f"per 100 tracks")
        return "\n".join(lines)


class Soak:
    """Drives one running deckplayer through its folder."""

    def __init__(self, app, wine, folder, log, procstat):
        self.log = log
        self.procstat = procstat
        self.app = app
        self.wine = wine
        self.folder = folder
        self.loops = 0
        self.reached = 0
        self.items = []
        self.idle_since = None
        self.title = None
        self.title_since = time.monotonic()

    def start(self):
        self.app.click(*deck.POWER_SWITCH)
        self.set_panel(True)
        self.app.click(*deck.OPEN_LINK)
        self.app.answer_open_dialog(harness.windows_path(self.folder / "0a.wav"))
        wait_until(lambda: self.app.title() == "0a.wav", 15, 0.1, "the first track")
        self.items = list(self.app.control(LIST).items)
        self.play_from_top()

    def click(self, place, repeat=1):
        """A click after a long hover: a player slowed by a loaded machine may
        take a while to see the cursor over a control, and a click counts
        only where it has seen it."""
        self.app.move(*place)
        time.sleep(0.6)
        self.app.press(repeat=repeat)

    def set_panel(self, open_):
        target = OPEN_SIZE if open_ else CLOSED_SIZE
        for _ in range(3):
            if self.app.client_size() == target:
                return
            self.click(deck.START_STOP)
            try:
                wait_until(lambda: self.app.client_size() == target, 20, 0.2, "the panel to slide")
                return
            except TimeoutError:
                self.log("the panel did not slide; clicking again")
        raise TimeoutError("the panel did not slide after three clicks")

    def play_from_top(self, tries=3):
        """Double-clicks the first entry, brought into view first: a click on
        the top visible row gives the list the focus, Home scrolls it. A
        double-click that did not take (seen in an hour's run under load: the
        list sat at its end for minutes) is given again."""
        self.set_panel(True)
        for _ in range(tries):
            listed = self.app.control(LIST)
            self.click(listed.item_centre(listed.top_index))
            self.app.key("Home")
            listed = wait_until(lambda: (lambda c: c if c.top_index == 0 else None)(self.app.control(LIST)),
                                10, 0.1, "the list at its top")
            self.app.move(5, 5)
            self.click(listed.item_centre(0), repeat=2)
            try:
                wait_until(lambda: self.app.title() != IDLE_TITLE, 5, 0.1, "a track to start")
                break
            except TimeoutError:
                self.log("the list did not start from its top; trying again")
        self.loops += 1
        self.idle_since = None
        self.log(f"round {self.loops} of the list")

    def tracks(self):
        """Entries reached so far: whole rounds of the list plus this one's
        place (between two entries the title names none: the count stays)."""
        title = self.app.title()
        if title in self.items:
            self.reached = max(self.reached, (self.loops - 1) * len(self.items) + self.items.index(title) + 1)
        return self.reached

    def keep_going(self):
        """At the end of the list (the idle title for a while) starts again;
        a track that stays far longer than any track plays is left paused
        (seen in an hour's run under load), so the tonearm lift resumes it."""
        title, now = self.app.title(), time.monotonic()
        if title != self.title:
            self.title, self.title_since = title, now
        if title != IDLE_TITLE:
            self.idle_since = None
            if now - self.title_since > STUCK_SECONDS:
                self.log(f"{title} held for {STUCK_SECONDS:.0f} s: the pause stayed; lifting the tonearm")
                self.click(deck.TONEARM_LIFT)
                self.title_since = time.monotonic()
            return
        if self.idle_since is None:
            self.idle_since = now
        elif now - self.idle_since > 3 * TRACK_SECONDS:
            self.play_from_top()

    def stir(self):
        """The panel slides out and back, the tonearm lift pauses and resumes."""
        self.log("panel in, pause, resume, panel out")
        self.set_panel(False)
        self.click(deck.TONEARM_LIFT)
        time.sleep(2.0)
        self.click(deck.TONEARM_LIFT)
        self.set_panel(True)
        self.title_since = time.monotonic()

    def sample(self, started):
        values = windows_side(self.wine, self.procstat) + linux_side(self.app.process.pid)
        return Sample(time.monotonic() - started, self.tracks(), values)


def run(app, wine, folder, seconds, sample_seconds, warm_up, stir_seconds, log=print,
        procstat=PROCSTAT, min_tracks=0, longest=None):
    """Runs `seconds`, and on until `min_tracks` have played (a loaded machine
    plays fewer in the time) but no longer than `longest` seconds."""
    soak = Soak(app, wine, folder, log, procstat)
    soak.start()
    report = Report(warm_up=warm_up)
    started = time.monotonic()
    next_sample = started
    next_stir = started + stir_seconds
    longest = seconds if longest is None else longest

    def going():
        elapsed = time.monotonic() - started
        played = report.samples[-1].tracks if report.samples else 0
        return elapsed < seconds or (played < min_tracks and elapsed < longest)

    log("seconds tracks  " + " | ".join(METRICS))
    while going():
        if not app.alive():
            raise RuntimeError("deckplayer exited during the soak")
        now = time.monotonic()
        if now >= next_sample:
            sample = soak.sample(started)
            report.samples.append(sample)
            log(f"{sample.seconds:7.0f} s {sample.tracks:6.0f} tracks  " +
                " ".join(str(v) for v in sample.values))
            next_sample = now + sample_seconds
        elif now >= next_stir:
            soak.stir()
            next_stir = time.monotonic() + stir_seconds
        else:
            soak.keep_going()
            time.sleep(0.2)
    return report


def main(argv):
    # Stopped from outside, it still stops what it started (the finally below).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    seconds = float(argv[1] if len(argv) > 1 else os.environ.get("SOAK_SECONDS", 3600))
    if not PROCSTAT.exists() or not (harness.DIST / "deckplayer.exe").exists():
        print("soak: build the programs first (make dist)", file=sys.stderr)
        return 2
    # A prefix of its own: a test run beside it ends its own prefix's
    # wineserver, and with it every program running in that prefix.
    os.environ.setdefault("WINEPREFIX", str(harness.BUILD / "soak-wineprefix"))
    root = Path(tempfile.mkdtemp(prefix="deck-soak-"))
    artifacts = harness.BUILD / "soak"
    artifacts.mkdir(parents=True, exist_ok=True)
    x = harness.Xvfb()
    pulse = harness.PulseServer(root / "pulse")
    wine = harness.Wine(x.display, pulse.env)
    app = None
    try:
        harness.wait_for_sound_device(wine, root)
        work = root / "work"
        work.mkdir()
        for item in harness.DIST.iterdir():
            if item.is_file():
                shutil.copy2(item, work / item.name)
        folder = make_folder(root / "music")
        # A copy, so that a build during the hour cannot replace it mid-run.
        procstat = shutil.copy2(PROCSTAT, root / PROCSTAT.name)
        app = harness.App(wine, work / "deckplayer.exe", work, artifacts)
        report = run(app, wine, folder, seconds, float(os.environ.get("SOAK_SAMPLE_SECONDS", 30)),
                     min(300.0, seconds / 4), float(os.environ.get("SOAK_STIR_SECONDS", 180)),
                     log=functools.partial(print, flush=True), procstat=procstat)
    finally:
        if app and app.alive():
            app.stop()
        wine.stop()
        pulse.stop()
        x.stop()
        shutil.rmtree(root, ignore_errors=True)
    print(report.text())
    leaks = report.leaks()
    if leaks:
        print(f"soak: growth above {LEAK_PERCENT_PER_100_TRACKS} % per 100 tracks: {', '.join(leaks)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
