"""The generated pictures: sizes and formats the programs rely on, the parts
that must agree with each other, and that regenerating changes no byte."""
import os
import subprocess
import sys

import numpy as np
import pytest

import headshell
import tonearm
from conftest import REPO
from layout import (CAP_SIZE, CAP_START_Y, CAP_X, DECK_HEIGHT, FULL, KNOB_SIZE, KNOB_START_X, MINI,
                    PANEL_HEIGHT, WIDTH)
from pictures import alpha, chunks, header, rgb

SKIN = os.path.join(REPO, "skin")
TOOL = os.path.join(REPO, "tools", "skin-art", "make_skins.py")

RGB, RGBA = 2, 6
COMMON = {
    "power_switch_off.png": (FULL.power_switch.w, FULL.power_switch.h),
    "power_lamp_on.png": (FULL.lamp.w, FULL.lamp.h),
    "start_button_lit.png": (FULL.start_button.w, FULL.start_button.h),
    "volume_knob.png": KNOB_SIZE,
    "volume_slot.png": (FULL.volume_slot.w, FULL.volume_slot.h),
    "fader_scale.png": (FULL.fader.w, FULL.fader.h),
    "fader_cap.png": CAP_SIZE,
    "tonearm_lifted.png": (FULL.lift.w, FULL.lift.h),
}
EXPECTED = {
    **{f"full/{n}": (*s, RGB) for n, s in COMMON.items()},
    **{f"mini/{n}": (*s, RGB) for n, s in COMMON.items()},
    "full/turntable.png": (WIDTH, DECK_HEIGHT, RGB),
    "full/turntable_panel.png": (WIDTH, PANEL_HEIGHT, RGB),
    "mini/playing.png": (WIDTH, PANEL_HEIGHT, RGB),
    "mini/paused.png": (WIDTH, PANEL_HEIGHT, RGB),
    "records/ровел2.png": (600, 600, RGBA),
    "records/ровел_мини4.png": (274, 274, RGBA),
}


def picture(name):
    return rgb(os.path.join(SKIN, name))


@pytest.mark.parametrize("name", sorted(EXPECTED))
def test_size_and_format(name):
    path = os.path.join(SKIN, name)
    w, h, colour_type = EXPECTED[name]
    assert header(path) == (w, h, 8, colour_type)
    # Nothing but the pixels: no time or text chunk to vary between runs.
    assert [k for k, _ in chunks(path)][::len(chunks(path)) - 1] == [b"IHDR", b"IEND"]
    assert {k for k, _ in chunks(path)} == {b"IHDR", b"IDAT", b"IEND"}


@pytest.mark.parametrize("name", ["full/turntable_panel.png",
                                  "mini/playing.png", "mini/paused.png"])
def test_panel_is_the_lists_grey_under_a_hairline(name):
    p = picture(name)
    assert (p[DECK_HEIGHT + 1:] == 21).all()
    assert (p[DECK_HEIGHT] != 21).any()
    assert (p[DECK_HEIGHT - 1] != 21).any()


def test_panel_skin_starts_with_the_plain_skin():
    assert (picture("full/turntable_panel.png")[:DECK_HEIGHT]
            == picture("full/turntable.png")).all()


def test_mini_skins_differ_only_where_the_arm_swings():
    playing, paused = picture("mini/playing.png"), picture("mini/paused.png")
    ys, xs = np.nonzero((playing != paused).any(axis=2))
    assert len(xs) > 500
    # Within the arm's reach of its pivot (head and shadow included) ...
    px, py = MINI.pivot
    assert np.hypot(xs + 0.5 - px, ys + 0.5 - py).max() < 262
    # ... and clear of the turning label and of the controls.
    cx, cy = MINI.centre
    assert np.hypot(xs + 0.5 - cx, ys + 0.5 - cy).min() > MINI.label_radius + 2
    for r in (MINI.lift, MINI.lamp, MINI.fader, MINI.volume_slot,
              MINI.power_switch, MINI.start_button, *MINI.speed_buttons):
        inside = (xs >= r.x) & (xs < r.x + r.w) & (ys >= r.y) & (ys < r.y + r.h)
        assert not inside.any(), r


def _under(skin, name, x, y):
    small = picture(name)
    h, w, _ = small.shape
    return small, skin[y:y + h, x:x + w]


@pytest.mark.parametrize("build, skin_name, layout", [
    ("full", "full/turntable.png", FULL), ("mini", "mini/playing.png", MINI)])
def test_state_pictures_meet_the_skin_at_their_edges(build, skin_name, layout):
    skin = picture(skin_name)
    for name, place in (("power_switch_off.png", layout.power_switch),
                        ("power_lamp_on.png", layout.lamp),
                        ("start_button_lit.png", layout.start_button),
                        ("tonearm_lifted.png", layout.lift)):
        x, y = place.x, place.y
        small, under = _under(skin, f"{build}/{name}", x, y)
        border = np.ones(small.shape[:2], bool)
        border[1:-1, 1:-1] = False
        assert np.abs(small - under)[border].max() <= 6, name
        assert (small != under).any(), name


def test_switch_changes_only_right_of_the_full_canvas_edge():
    # The full build lays the off picture on its canvas from x -6, so its
    # six leftmost columns always show the skin's own (on) switch.
    small, under = _under(picture("full/turntable.png"),
                          "full/power_switch_off.png", FULL.power_switch.x, FULL.power_switch.y)
    assert (small[:, :6] == under[:, :6]).all()
    assert (small[:, 6:] != under[:, 6:]).any()


@pytest.mark.parametrize("build, skin_name", [("full", "full/turntable.png"),
                                              ("mini", "mini/playing.png")])
def test_slot_and_scale_are_the_skin_without_knob_and_cap(build, skin_name):
    skin = picture(skin_name)
    for name, place, moving in (
            ("volume_slot.png", FULL.volume_slot, (KNOB_START_X, 0, *KNOB_SIZE)),
            ("fader_scale.png", FULL.fader, (CAP_X, CAP_START_Y, *CAP_SIZE))):
        small, under = _under(skin, f"{build}/{name}", place.x, place.y)
        mx, my, mw, mh = moving
        changed = (small != under).any(axis=2)
        assert changed[my:my + mh, mx:mx + mw].any(), name
        changed[my:my + mh, mx:mx + mw] = False
        assert not changed.any(), name


@pytest.mark.parametrize("build", ["full", "mini"])
def test_knob_fits_anywhere_along_the_slot(build):
    slot, knob = picture(f"{build}/volume_slot.png"), picture(f"{build}/volume_knob.png")
    # Every column the knob can cover is the same, and is what shows in the
    # knob picture's corners.
    assert (slot[:, 5:] == slot[:, 5:6]).all()
    assert (knob[:, 0] == slot[:10, 5]).all()
    assert (knob != slot[:10, 5:18]).any()


def test_records_are_transparent_outside_their_discs():
    whole = alpha(os.path.join(SKIN, "records", "ровел2.png"))
    label = alpha(os.path.join(SKIN, "records", "ровел_мини4.png"))
    for a, opaque_r, clear_r in ((whole, 288, 292), (label, 126, 130)):
        n = a.shape[0]
        y, x = np.mgrid[0:n, 0:n] + 0.5
        r = np.hypot(x - n / 2, y - n / 2)
        assert (a[r > clear_r] == 0).all()
        # The centre hole stays open so the deck's spindle shows through.
        assert (a[(r < opaque_r) & (r > 7.5)] == 255).all()
        assert (a[r < 5] == 0).all()


def _turned_half(p):
    return p[::-1, ::-1]


@pytest.mark.parametrize("name", ["ровел2.png", "ровел_мини4.png"])
def test_label_shows_turning_and_mirroring(name):
    p = rgb(os.path.join(SKIN, "records", name))
    n = p.shape[0]
    label = p[n // 2 - 110:n // 2 + 110, n // 2 - 110:n // 2 + 110]
    for changed in (label[:, ::-1], label[::-1, :], _turned_half(label),
                    np.rot90(label)):
        moved = np.abs(label - changed).max(axis=2) > 60
        assert moved.mean() > 0.08


def _scaled_half(p):
    """The picture at half size, as the programs scale it to the canvas."""
    return (p[0::2, 0::2] + p[1::2, 0::2] + p[0::2, 1::2] + p[1::2, 1::2]) / 4


@pytest.mark.parametrize("layout, skin_name, record_name, radius", [
    (FULL, "full/turntable.png", "ровел2.png", 140),
    (MINI, "mini/playing.png", "ровел_мини4.png", 60)])
def test_record_at_rest_matches_the_skin(layout, skin_name, record_name, radius):
    # At angle 0 the program shows the picture mirrored in both axes.
    shown = _scaled_half(_turned_half(rgb(os.path.join(SKIN, "records",
                                                       record_name))))
    c = layout.canvas
    under = picture(skin_name)[c.y:c.y + c.h, c.x:c.x + c.w]
    n = c.w
    y, x = np.mgrid[0:n, 0:n] + 0.5
    r = np.hypot(x - n / 2, y - n / 2)
    inside = (r < radius) & (r > 5)
    if layout is FULL:
        inside &= ~((x > 222) & (y > 200))       # the head lies over it
    assert np.abs(shown - under)[inside].mean() < 4


def test_arm_tube_stays_off_the_turning_record():
    points, _ = tonearm.centre_line(FULL.pivot)
    r = np.hypot(*(points - np.array(FULL.centre)).T)
    assert r.min() - tonearm.HALF_WIDTH > FULL.record_radius + 1.5


def test_only_the_heads_boxes_of_the_arm_lie_over_the_record():
    # Anything else the skin painted there would vanish under the turning
    # record in the running program.
    layer = tonearm.arm_layer(FULL)
    boxes = headshell.mask(layer.shape, (FULL.canvas.x, FULL.canvas.y))
    y, x = np.mgrid[0:layer.shape[0], 0:layer.shape[1]] + 0.5
    over = np.hypot(x - FULL.centre[0], y - FULL.centre[1]) < FULL.record_radius + 2
    assert (layer[:, :, 3] > 0)[over & boxes].all()
    assert not (layer[:, :, 3] > 0)[over & ~boxes].any()


@pytest.fixture(scope="module")
def regenerated(tmp_path_factory):
    out = tmp_path_factory.mktemp("skin")
    subprocess.run([sys.executable, TOOL, str(out)], check=True)
    return out


@pytest.mark.parametrize("name", sorted(EXPECTED) + ["deckplayer.ico"])
def test_regenerating_gives_the_committed_bytes(regenerated, name):
    with open(os.path.join(regenerated, name), "rb") as f:
        new = f.read()
    with open(os.path.join(SKIN, name), "rb") as f:
        assert f.read() == new
