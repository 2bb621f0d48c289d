#!/usr/bin/python3
"""Draw every picture of both programs.

    make_skins.py [OUTPUT_ROOT]     (default: the repository's skin/ folder)

Writes full/, mini/, records/ and deckplayer.ico under OUTPUT_ROOT. The
output depends on nothing but this code, so running it twice gives the same
bytes.
"""
import os
import sys

import deck
import icon
import pixels
import png_out
import record
from layout import (CAP_SIZE, CAP_START_Y, CAP_X, DECK_HEIGHT, FULL,
                    KNOB_SIZE, KNOB_START_X, MINI, Rect)

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_ROOT = os.path.normpath(os.path.join(HERE, "..", "..", "skin"))

# The mini build's paused skin: the arm swung in until its head is near the
# label, but clear of the label's disc, which turns over whatever lies there.
PAUSED_SWING = 14.0

# One deck drawn with every control in its other state; the controls lie
# apart, so each state picture can be cut from the same drawing.
ALTERNATE = deck.State(power_on=False, lamp_lit=True, button_lit=True,
                       lever_raised=True, with_knob=False, with_cap=False)

RECORD_SIZE = 600      # the full build scales it to its 300-pixel canvas
LABEL_SIZE = 274       # the mini build scales it to its 137-pixel canvas


def state_pictures(layout, skin, alternate):
    """The small pictures the programs lay over the skin, by file name."""
    slot, fader = layout.volume_slot, layout.fader
    knob = Rect(slot.x + KNOB_START_X, slot.y, *KNOB_SIZE)
    cap = Rect(fader.x + CAP_X, fader.y + CAP_START_Y, *CAP_SIZE)
    return {
        "power_switch_off.png": deck.crop(alternate, layout.power_switch),
        "power_lamp_on.png": deck.crop(alternate, layout.lamp),
        "start_button_lit.png": deck.crop(alternate, layout.start_button),
        "volume_knob.png": deck.crop(skin, knob),
        "volume_slot.png": deck.crop(alternate, slot),
        "fader_scale.png": deck.crop(alternate, fader),
        "fader_cap.png": deck.crop(skin, cap),
        "tonearm_lifted.png": deck.crop(alternate, layout.lift),
    }


def full_pictures():
    base = deck.base(FULL)
    skin = deck.compose(FULL, base, deck.State())
    alternate = deck.compose(FULL, base, ALTERNATE)
    pictures = {"turntable.png": skin[:DECK_HEIGHT],
                "turntable_panel.png": skin}
    pictures.update(state_pictures(FULL, skin, alternate))
    return pictures


def mini_pictures():
    base = deck.base(MINI)
    playing = deck.compose(MINI, base, deck.State())
    paused = deck.compose(MINI, base, deck.State(arm_swing=PAUSED_SWING))
    alternate = deck.compose(MINI, base, ALTERNATE)
    pictures = {"playing.png": playing, "paused.png": paused}
    pictures.update(state_pictures(MINI, playing, alternate))
    return pictures


def record_pictures():
    """The pictures the programs turn. Both are drawn half a turn round,
    because the programs draw them mirrored in both axes: at angle 0 the
    label then reads upright, as it does in the skin."""
    sheen = deck.record_sheen(FULL)
    scale = RECORD_SIZE / FULL.canvas.w
    whole = record.record_surface(RECORD_SIZE, scale, FULL.record_radius,
                                  FULL.label_radius, 180.0, sheen)
    scale = LABEL_SIZE / MINI.canvas.w
    label = record.label_surface(LABEL_SIZE, scale, MINI.label_radius, 180.0)
    return {"ровел2.png": pixels.rgba(whole),
            "ровел_мини4.png": pixels.rgba(label)}


def write_all(root):
    for folder, pictures in (("full", full_pictures()),
                             ("mini", mini_pictures()),
                             ("records", record_pictures())):
        os.makedirs(os.path.join(root, folder), exist_ok=True)
        for name, picture in sorted(pictures.items()):
            png_out.write(os.path.join(root, folder, name), picture)
    icon.write_ico(os.path.join(root, "deckplayer.ico"))


if __name__ == "__main__":
    write_all(sys.argv[1] if len(sys.argv) > 1 else DEFAULT_ROOT)
