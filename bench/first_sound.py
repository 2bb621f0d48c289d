"""Time from the double-click that starts a track to its first sound in the
sound server's capture, in the real deckplayer under Wine. Prints figures.
The capture starts a few tens of milliseconds after parec is launched, so
the figures carry that much uncertainty."""
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import deck  # noqa: E402
import harness  # noqa: E402


def first_sound_after(sound, start, threshold_db=-40.0, block=0.005):
    n = int(block * sound.rate)
    i = int(start * sound.rate)
    while i + n <= len(sound.samples):
        if harness.Sound(sound.samples[i:i + n], sound.rate).level_db() > threshold_db:
            return i / sound.rate
        i += n
    return None


def measure(app, pulse, work, listed_index, runs):
    delays = []
    for run in range(runs):
        app.click(*deck.POWER_SWITCH)  # off: silence, the panel closes
        harness.wait_until(lambda: app.client_size() == deck.CLOSED_SIZE, 15, 0.1, "closed")
        app.click(*deck.POWER_SWITCH)
        app.click(*deck.START_STOP)
        harness.wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 15, 0.1, "open")
        entry = app.control(11).item_centre(listed_index)
        app.move(*entry)
        recording = pulse.record(work / f"run{run}.wav")
        time.sleep(0.5)
        # The second press of the double-click starts the track.
        clicked = time.monotonic() - recording.started + 0.08
        app.press(repeat=2)
        time.sleep(1.0)
        sound = recording.stop()
        heard = first_sound_after(sound, clicked)
        if heard is not None:
            delays.append((heard - clicked) * 1000)
    return delays


def main():
    work = Path(tempfile.mkdtemp(prefix="deck-first-sound-"))
    for item in harness.DIST.iterdir():
        if item.is_file():
            shutil.copy2(item, work / item.name)
    track = harness.write_tone_wav(work / "tone.wav", 440.0, 5)
    xvfb = harness.Xvfb()
    pulse = harness.PulseServer(work / "pulse")
    wine = harness.Wine(xvfb.display, pulse.env)
    try:
        app = harness.App(wine, work / "deckplayer.exe", work, work)
        app.click(*deck.POWER_SWITCH)
        app.click(*deck.START_STOP)
        harness.wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 15, 0.1, "open")
        app.click(*deck.OPEN_LINK)
        app.answer_open_dialog(harness.windows_path(track))
        harness.wait_until(lambda: app.title() == "tone.wav", 15, 0.1, "tone.wav")
        index = app.control(11).items.index("tone.wav")
        delays = measure(app, pulse, work, index, 5)
        app.click_close_box()
        app.wait_exit()
    finally:
        wine.stop()
        pulse.stop()
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)
    if not delays:
        print("first sound: no sound was captured")
        return 1
    print(f"double-click on an entry to its first sound: median {statistics.median(delays):.0f} ms, "
          f"min {min(delays):.0f} ms, max {max(delays):.0f} ms over {len(delays)} runs, "
          "from the double-click's second press")
    return 0


if __name__ == "__main__":
    sys.exit(main())
