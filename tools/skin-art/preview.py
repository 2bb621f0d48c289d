#!/usr/bin/python3
"""Frames as the programs draw them, for looking at the art by eye.

    preview.py SKIN_ROOT OUT_FOLDER [ANGLE ...]

Each frame is the skin with the record picture laid over the canvas the way
the renderer does it: scaled to the canvas, mirrored in both axes, turned
about the canvas centre; the full build then repaints the head's boxes and
the lit lamp. Written at 100 % and 200 %.
"""
import math
import os
import sys

import cairo

import headshell
import pixels
import png_out
from layout import DECK_HEIGHT, FULL, MINI


def _load(path):
    return cairo.ImageSurface.create_from_png(path)


def frame(root, layout, skin_name, record_name, angle, overlays=()):
    skin = _load(os.path.join(root, layout.name, skin_name))
    disc = _load(os.path.join(root, "records", record_name))
    out = pixels.opaque_surface(skin.get_width(), skin.get_height())
    cr = cairo.Context(out)
    cr.set_source_surface(skin, 0, 0)
    cr.paint()
    c = layout.canvas
    cr.save()
    cr.rectangle(c.x, c.y, c.w, c.h)
    cr.clip()
    cr.translate(c.x + c.w / 2, c.y + c.h / 2)
    cr.rotate(math.radians(angle))
    cr.scale(-c.w / disc.get_width(), -c.h / disc.get_height())
    cr.translate(-disc.get_width() / 2, -disc.get_height() / 2)
    cr.set_source_surface(disc, 0, 0)
    cr.get_source().set_filter(cairo.FILTER_GOOD)
    cr.paint()
    cr.restore()
    for name, x, y in overlays:
        cr.set_source_surface(_load(os.path.join(root, layout.name, name)), x, y)
        cr.paint()
    rgb = pixels.rgb(out)
    if layout is FULL:
        headshell.paint(rgb, (c.x, c.y))
    return rgb[:DECK_HEIGHT]


def main(root, folder, angles):
    os.makedirs(folder, exist_ok=True)
    lamp = [("power_lamp_on.png", FULL.lamp.x, FULL.lamp.y)]
    for angle in angles:
        for layout, skin, disc, extra in (
                (FULL, "turntable.png", "ровел2.png", lamp),
                (MINI, "playing.png", "ровел_мини4.png", []),
                (MINI, "paused.png", "ровел_мини4.png", [])):
            rgb = frame(root, layout, skin, disc, angle, extra)
            name = f"{layout.name}_{skin[:-4]}_{angle:g}"
            png_out.write(os.path.join(folder, name + ".png"), rgb)
            png_out.write(os.path.join(folder, name + "_x2.png"),
                          rgb.repeat(2, axis=0).repeat(2, axis=1))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], [float(a) for a in sys.argv[3:]] or [0, 30, 45, 90])
