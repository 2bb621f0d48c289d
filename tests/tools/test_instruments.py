"""The synthesizer's instrument folder: every General MIDI program plays, by
an instrument of its own family, and the folder can move."""
import importlib.util
import pathlib

import pytest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools/instruments/lay_out_freepats.py"
spec = importlib.util.spec_from_file_location("lay_out_freepats", TOOL)
freepats = importlib.util.module_from_spec(spec)
spec.loader.exec_module(freepats)


@pytest.mark.parametrize("program, present, expected", [
    (3, {0, 1, 2, 4}, 2),        # a tie between 2 and 4 goes to the lower
    (3, {0, 5}, 5),              # nearer, though above
    (10, {8, 9, 13}, 9),
    (15, {8}, 8),                # the family's only member
    (16, {15, 24}, None),        # neighbours of other families do not count
    (127, {120, 122, 125}, 125),
])
def test_nearest_in_family(program, present, expected):
    assert freepats.nearest_in_family(program, present) == expected


def test_sections_of_bank_and_drum_set_zero_with_their_options():
    lines = ["dir /somewhere", "drumset 0", " 35\tDrum_000/035_Kick_1.pat amp=100 ", "bank 1", "0 other.pat",
             "bank 0", "# a comment", "0 Tone_000/000_Piano.pat amp=120 pan=center", "7 Tone_000/007_Clav.pat"]
    sections = freepats.read_sections(lines)
    assert sections == {"drumset": {35: "Drum_000/035_Kick_1.pat amp=100"},
                        "bank": {0: "Tone_000/000_Piano.pat amp=120 pan=center", 7: "Tone_000/007_Clav.pat"}}


@pytest.fixture(scope="module")
def laid_out(tmp_path_factory):
    folder = tmp_path_factory.mktemp("freepats")
    freepats.lay_out(str(folder), link=True)
    return folder


def bank(config_text):
    programs, current = {}, None
    for line in config_text.splitlines():
        words = line.split()
        if words[:1] in (["bank"], ["drumset"]):
            current = words[0]
        elif words and words[0].isdigit() and current == "bank":
            programs[int(words[0])] = words[1]
    return programs


def test_every_program_plays_an_installed_patch_of_its_family(laid_out):
    config = (laid_out / "timidity.cfg").read_text()
    programs = bank(config)
    assert sorted(programs) == list(range(128))
    for program, path in programs.items():
        assert not path.startswith("/") and ":" not in path, path
        assert (laid_out / path).is_file(), path
        patch_program = int(pathlib.Path(path).name[:3])
        assert patch_program // 8 == program // 8, (program, path)


def test_programs_freepats_has_keep_their_own_patch(laid_out):
    programs = bank((laid_out / "timidity.cfg").read_text())
    assert programs[0] == "Tone_000/000_Acoustic_Grand_Piano.pat"
    assert programs[73] == "Tone_000/073_Flute.pat"


def test_licence_texts_are_beside_the_patches(laid_out):
    assert "GNU General Public License" in (laid_out / "COPYRIGHT").read_text()
    assert "GNU GENERAL PUBLIC LICENSE" in (laid_out / "GPL-2").read_text()
