"""The CPU share of a core that each program takes in the states a user
leaves it in, beside a minimal Win32 program that shows one window and waits
for messages, all measured in this run under Wine. The share is the Linux
process's user and system time over a span of wall clock, with the pointer
parked outside the window. Prints figures only.
    bench/idle_cpu.py [SECONDS]"""
import shutil
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import deck  # noqa: E402
import harness  # noqa: E402

MINIMAL = harness.X64 / "bench" / "minimal_window.exe"
share = harness.cpu_share


def park_pointer(app):
    app._xdotool("mousemove", "--sync", "1", "1")


def settle(app, seconds=1.0):
    """Lets start-up or the last click's work finish before measuring."""
    park_pointer(app)
    time.sleep(seconds)


def measure_program(wine, work, program, track, seconds):
    app = harness.App(wine, work / program, work, work)
    figures = []
    try:
        settle(app, 2.0)
        figures.append(("started, power off, nothing touched", share(app.process.pid, seconds)))
        app.click(*deck.POWER_SWITCH)
        settle(app)
        figures.append(("power on, nothing playing", share(app.process.pid, seconds)))
        app.click(*deck.START_STOP)
        harness.wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 30, 0.1, "the panel")
        settle(app)
        figures.append(("power on, panel open, idle", share(app.process.pid, seconds)))
        app.click(*deck.OPEN_LINK)
        app.answer_open_dialog(harness.windows_path(track))
        harness.wait_until(lambda: app.title().startswith(track.name), 30, 0.1, "the track")
        settle(app)
        figures.append(("playing, panel open", share(app.process.pid, seconds)))
        app.click(*deck.PAUSE_LINK)
        settle(app)
        figures.append(("paused, panel open", share(app.process.pid, seconds)))
        app.click_close_box()
        app.wait_exit(30)
    finally:
        if app.alive():
            app.stop()
    return figures


def measure_minimal(wine, work, seconds):
    app = harness.App(wine, MINIMAL, work, work, window_class="MinimalWindow")
    try:
        settle(app, 2.0)
        return share(app.process.pid, seconds)
    finally:
        app.stop()


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 8.0
    work = Path(tempfile.mkdtemp(prefix="deck-idle-cpu-"))
    for item in harness.DIST.iterdir():
        if item.is_file():
            shutil.copy2(item, work / item.name)
    # Long enough to play through every measurement.
    track = harness.write_tone_wav(work / "tone.wav", 440.0, 5 * seconds + 30)
    xvfb = harness.Xvfb()
    pulse = harness.PulseServer(work / "pulse")
    wine = harness.Wine(xvfb.display, pulse.env)
    try:
        reference = measure_minimal(wine, work, seconds)
        print(f"minimal window program, waiting for messages: {reference:5.1f} % of a core")
        for program in ("deckplayer.exe", "deckplayer-mini.exe"):
            for state, figure in measure_program(wine, work, program, track, seconds):
                print(f"{program:20} {state:38} {figure:5.1f} % of a core")
    finally:
        wine.stop()
        pulse.stop()
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
