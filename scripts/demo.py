"""The scripted demo that `make run` plays when there is no display: it
starts a program in build/dist under its own Xvfb and sound server, uses it
as a person would (power on, open the panel, open a demo track, let it play
into the next one, pause, resume, close) and leaves screenshots and the
captured sound in build/demo/."""
import shutil
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import deck  # noqa: E402
import harness  # noqa: E402


class Demo:
    def __init__(self, app, out):
        self.app = app
        self.out = out
        self.shots = []

    def shot(self, name):
        self.shots.append(self.app.screenshot(f"{len(self.shots) + 1:02d}-{name}"))

    def step(self, say, action=None, wait=0.0):
        print(f"demo: {say}", flush=True)
        if action:
            action()
        time.sleep(wait)

    def play(self, track):
        app = self.app
        self.shot("started")
        self.step("power on", lambda: app.click(*deck.POWER_SWITCH), 1.0)
        self.shot("power-on")
        self.step("open the panel", lambda: app.click(*deck.START_STOP))
        harness.wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 15, 0.2, "the panel")
        self.shot("panel-open")
        self.step(f"open {track.name}", lambda: app.click(*deck.OPEN_LINK))
        app.answer_open_dialog(harness.windows_path(track))
        time.sleep(2.0)
        self.shot("playing")
        first = app.title()
        self.step(f"let {first} play into the next track")
        harness.wait_until(lambda: app.title() != first, 30, 0.2, "the next track")
        time.sleep(1.5)
        self.shot("next-track")
        self.step("pause", lambda: app.click(*deck.PAUSE_LINK), 1.5)
        self.shot("paused")
        self.step("resume", lambda: app.click(*deck.PAUSE_LINK), 1.5)
        self.step("close", app.click_close_box)
        return app.wait_exit()


def first_demo_track(folder):
    tracks = sorted(p for p in folder.iterdir() if p.suffix in (".wav", ".mp3"))
    if not tracks:
        raise SystemExit(f"demo: no demo tracks in {folder}; run `make dist` first")
    return tracks[0]


def run_demo(program, out):
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    track = first_demo_track(harness.DIST / "demo")
    xvfb = harness.Xvfb()
    pulse = harness.PulseServer(out / "pulse")
    wine = harness.Wine(xvfb.display, pulse.env)
    try:
        recording = pulse.record(out / "sound.wav")
        app = harness.App(wine, harness.DIST / program, harness.DIST, out)
        demo = Demo(app, out)
        code = demo.play(track)
        sound = recording.stop()
        return demo.shots, sound, code
    finally:
        wine.stop()
        pulse.stop()
        shutil.rmtree(out / "pulse", ignore_errors=True)
        xvfb.stop()


def main():
    program, out = sys.argv[1], Path(sys.argv[2]).resolve()
    shots, sound, code = run_demo(program, out)
    print(f"demo: {program} ran without a display and exited with code {code}")
    for shot in shots:
        print(f"demo: screenshot {shot}")
    print(f"demo: captured sound {out / 'sound.wav'} ({sound.seconds():.1f} s, "
          f"{sound.level_db():.1f} dB)")
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
