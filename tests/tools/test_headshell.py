"""The head's overlay table: its expansion into boxes, and the full skins
carrying exactly those pixels so nothing shows when the record turns."""
import os

import numpy as np
import pytest

import headshell
from conftest import REPO
from layout import FULL
from pictures import rgb

CANVAS = (FULL.canvas.x, FULL.canvas.y)


@pytest.fixture(scope="module")
def boxes():
    return headshell.expand(headshell.read_runs())


def test_table_has_its_runs_and_boxes(boxes):
    assert len(headshell.read_runs()) == 51
    assert len(boxes) == 189


def test_boxes_cover_the_head_and_nothing_else(boxes):
    left = min(x for x, _, _, _, _ in boxes)
    right = max(x + w - 1 for x, _, w, _, _ in boxes)
    top = min(t for _, t, _, _, _ in boxes)
    bottom = max(t + h - 1 for _, t, _, h, _ in boxes)
    assert (left, right, top, bottom) == (225, 289, 203, 270)


def test_colours_and_widths(boxes):
    assert len({c for *_, c in boxes}) == 34
    assert [w for _, _, w, _, _ in boxes].count(2) == 1
    assert {w for _, _, w, _, _ in boxes} == {1, 2}


@pytest.mark.parametrize("run, k, expected", [
    # Boxes stepping left and down, right and up, and with one top for all.
    (1, 9, (279, 212, 1, 1)),
    (10, 6, (268, 220, 1, 1)),
    (12, 12, (254, 232, 1, 18)),
    (12, 13, (253, 233, 1, 21)),
    (13, 3, (241, 241, 1, 25)),
    (15, 0, (233, 252, 1, 3)),
    (17, 7, (247, 253, 1, 4)),
    (47, 0, (233, 263, 2, 1)),
    (51, 8, (253, 249, 1, 1)),
])
def test_kth_box_of_a_run(run, k, expected):
    runs = headshell.read_runs()
    first = sum(r["boxes"] for r in runs[:run - 1])
    box = headshell.expand(runs)[first + k]
    assert box[:4] == expected
    assert box[4] == runs[run - 1]["colour"]


def test_a_run_with_missing_heights_is_refused(tmp_path):
    bad = tmp_path / "runs.inc"
    bad.write_text("HEADSHELL_RUN(1, 2, 3, 3, 10, 12, 5, 5, 1, 4, 4)\n")
    with pytest.raises(ValueError):
        headshell.read_runs(str(bad))


def _painted(boxes):
    """Colour of every covered pixel after drawing in order."""
    final = {}
    for x, top, w, h, colour in boxes:
        for dx in range(w):
            for dy in range(h):
                final[(x + dx, top + dy)] = colour
    return final


@pytest.mark.parametrize("name", ["turntable.png", "turntable_panel.png"])
def test_full_skins_carry_the_overlay_pixels(boxes, name):
    picture = rgb(os.path.join(REPO, "skin", "full", name))
    final = _painted(boxes)
    got = np.array([picture[y + CANVAS[1], x + CANVAS[0]] for x, y in final])
    want = np.array(list(final.values()))
    assert len(final) > 900
    assert (got == want).all()
