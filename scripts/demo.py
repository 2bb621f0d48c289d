"""The scripted demo that `make run` plays when there is no display: it
starts a program under its own Xvfb and sound server, uses it as a person
would, and leaves screenshots and the captured sound behind."""
import shutil
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def run_demo(program, out):
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    xvfb = harness.Xvfb()
    pulse = harness.PulseServer(out / "pulse")
    wine = harness.Wine(xvfb.display, pulse.env)
    try:
        recording = pulse.record(out / "sound.wav")
        app = harness.App(wine, harness.DIST / program, harness.DIST, out)
        time.sleep(1.0)
        shots = [app.screenshot("01-started")]
        app.click_close_box()
        code = app.wait_exit()
        recording.stop()
        return shots, code
    finally:
        wine.stop()
        pulse.stop()
        shutil.rmtree(out / "pulse", ignore_errors=True)
        xvfb.stop()


def main():
    program, out = sys.argv[1], Path(sys.argv[2]).resolve()
    shots, code = run_demo(program, out)
    print(f"demo: {program} ran without a display and exited with code {code}")
    for shot in shots:
        print(f"demo: screenshot {shot}")
    print(f"demo: captured sound {out / 'sound.wav'}")
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
