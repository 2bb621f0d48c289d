"""The program icon: the deck's own record, label and arm, at several sizes.

Entries are PNG-compressed, which Windows accepts in icons since Vista.
"""
import math
import struct

import cairo

import pixels
import png_out
import label
import record
import shapes

SIZES = (16, 24, 32, 48, 256)


def draw(size):
    """One square icon picture, RGBA."""
    scale = size / 300.0
    radius = 145.0 if size >= 32 else 150.0
    surface = record.record_surface(size, scale, radius, 64.0, 0.0, 16.0)
    if size < 32:
        # Below 32 px the printing is mush: a plain label reads better.
        cr = cairo.Context(surface)
        cr.arc(size / 2, size / 2, 70 * scale, 0, 2 * math.pi)
        cr.set_source_rgb(*label.PAPER)
        cr.fill()
    _arm(cairo.Context(surface), size)
    return pixels.rgba(surface)


def _arm(cr, size):
    """A silver arm from a pivot in the upper right on to the grooves."""
    s = size / 300.0
    cr.scale(s, s)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.move_to(262, 40)
    cr.curve_to(270, 120, 258, 170, 222, 214)
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.set_line_width(max(1.2 / s, 17))
    cr.stroke_preserve()
    cr.set_source_rgb(0.86, 0.86, 0.88)
    cr.set_line_width(max(1.0 / s, 9))
    cr.stroke()
    for radius, grey in ((22, 0.20), (15, 0.62), (8, 0.92)):
        cr.arc(262, 40, max(0.8 / s, radius), 0, 2 * math.pi)
        cr.set_source_rgb(grey, grey, grey + 0.02)
        cr.fill()
    cr.translate(214, 224)
    cr.rotate(math.radians(40))
    shapes.rounded_rect(cr, -13, -22, 26, 40, 4)
    cr.set_source_rgb(0.90, 0.90, 0.92)
    cr.fill()
    cr.rectangle(-8, 4, 16, 10)
    cr.set_source_rgb(0.15, 0.15, 0.16)
    cr.fill()


def write_ico(path, sizes=SIZES):
    images = [png_out.encode(draw(s)) for s in sizes]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for s, data in zip(sizes, images):
        dim = 0 if s >= 256 else s
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data),
                               offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))
