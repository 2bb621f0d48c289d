"""A big music folder in both programs: "Открыть" on a file near the end of
a folder of 3,000 tracks lists the whole folder in the file system's order,
selects the chosen file and plays it within a few seconds."""
import pytest

import harness
from harness import wait_until
from test_deckplayer import open_file, power_on_and_open_panel

ENTRIES = 3000


@pytest.fixture
def big_folder(tmp_path, wine):
    """Empty tracks and a few other files; a .wav track listed close to the
    end becomes a tone (rewriting a file keeps its name, and so its place). The
    order is the system's as a program sees it, which need not be Linux's."""
    folder = tmp_path / "big"
    folder.mkdir()
    for i in range(ENTRIES - 3):
        (folder / f"track {i:04d}.{('wav', 'mp3', 'MID')[i % 3]}").touch()
    for name in ("запись.mp3", "Вальс.wav", "ночь.mid", "notes.txt", "cover.jpg", "a.mp3.bak"):
        (folder / name).touch()
    listed = [n for n in wine.listing(folder) if n.lower().endswith((".wav", ".mp3", ".mid"))]
    assert len(listed) == ENTRIES
    chosen = next(n for n in reversed(listed[:-4]) if n.startswith("track") and n.endswith(".wav"))
    harness.write_tone_wav(folder / chosen, 440.0, 20)
    return folder, listed, chosen


@pytest.mark.parametrize("program, list_gadget", [("deckplayer.exe", 11),
                                                  ("deckplayer-mini.exe", 9)])
def test_opening_a_file_near_the_end_lists_everything_and_plays_it(
        launch, workdir, big_folder, program, list_gadget):
    folder, listed, chosen = big_folder
    app = launch(program, workdir)
    power_on_and_open_panel(app)
    open_file(app, folder / chosen)

    wait_until(lambda: app.title().startswith(chosen), 30, 0.1, f"{chosen} in the title")
    shown = app.control(list_gadget, probe_timeout=300)
    assert list(shown.items) == listed
    assert shown.items[shown.selected] == chosen
    assert shown.selected >= ENTRIES - 10
