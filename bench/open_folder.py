"""Time from pressing Return in the open-file requester to the chosen track
playing (its name in the title), in the real deckplayer under Wine, for a
folder of many empty track files with one playable file at a chosen listing
position (counted from 0 among the tracks, in the file system's order). Prints figures.
    open_folder.py [ENTRIES [POSITION [DIST]]]
The title is polled through xdotool every 20 ms, so the figure carries about
that much uncertainty."""
import os
import shutil
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import deck  # noqa: E402
import harness  # noqa: E402


def make_folder(wine, folder, entries, position):
    """Empty .wav files; the one at `position` of the listing as a program
    sees it becomes a tone. Rewriting a file keeps its name, and so its place."""
    folder.mkdir()
    for i in range(entries):
        (folder / f"track {i:05d}.wav").touch()
    listed = [name for name in wine.listing(folder) if name.endswith(".wav")]
    chosen = folder / listed[min(position, len(listed) - 1)]
    harness.write_tone_wav(chosen, 440.0, 5)
    return chosen


def time_open(app, chosen):
    app.click(*deck.OPEN_LINK)
    harness.wait_until(lambda: any(w.title == "Открыть" and w.class_name == "#32770"
                                   for w in app.wine.windows()), 20, 0.2, "the requester")
    xid = app._xdotool("search", "--sync", "--onlyvisible", "--name", "^Открыть$").split()[0]
    app._xdotool("windowfocus", "--sync", xid)
    time.sleep(0.3)
    app.type_text(harness.windows_path(chosen))
    start = time.monotonic()
    app.key("Return")
    harness.wait_until(lambda: app.title() == chosen.name, 300, 0.02, chosen.name)
    return time.monotonic() - start


def main():
    entries = int(sys.argv[1]) if len(sys.argv) > 1 else 2001
    position = int(sys.argv[2]) if len(sys.argv) > 2 else 231
    dist = Path(sys.argv[3]) if len(sys.argv) > 3 else harness.DIST
    work = Path(tempfile.mkdtemp(prefix="deck-open-folder-"))
    for item in dist.iterdir():
        if item.is_file():
            shutil.copy2(item, work / item.name)
    xvfb = harness.Xvfb()
    pulse = harness.PulseServer(work / "pulse")
    wine = harness.Wine(xvfb.display, pulse.env)
    try:
        chosen = make_folder(wine, work / "music", entries, position)
        app = harness.App(wine, work / "deckplayer.exe", work, work)
        app.click(*deck.POWER_SWITCH)
        app.click(*deck.START_STOP)
        harness.wait_until(lambda: app.client_size() == deck.OPEN_SIZE, 15, 0.1, "open")
        took = time_open(app, chosen)
        listed = app.control(11, probe_timeout=300)
        assert listed.items[listed.selected] == chosen.name, "the chosen entry is not selected"
        listed_at = listed.selected
        app.click_close_box()
        app.wait_exit(60)
    finally:
        wine.stop()
        pulse.stop()
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)
    print(f"open a folder of {entries} entries, chosen at listing position {listed_at}: "
          f"{took * 1000:.0f} ms from Return to the track playing")
    return 0


if __name__ == "__main__":
    sys.exit(main())
