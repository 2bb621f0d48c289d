"""The program icon: a black record with a warm label, as a multi-size .ico."""
import io
import math
import struct
import sys

import cairo


def draw(size):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    cr = cairo.Context(surface)
    c = size / 2
    cr.arc(c, c, c - 0.5, 0, 2 * math.pi)
    cr.set_source_rgb(0.07, 0.07, 0.08)
    cr.fill()
    for k in range(3):
        cr.arc(c, c, c * (0.55 + 0.13 * k), 0, 2 * math.pi)
        cr.set_source_rgba(1, 1, 1, 0.10)
        cr.set_line_width(max(1.0, size / 64))
        cr.stroke()
    cr.arc(c, c, c * 0.36, 0, 2 * math.pi)
    cr.set_source_rgb(0.85, 0.36, 0.12)
    cr.fill()
    cr.arc(c, c, max(1.0, c * 0.06), 0, 2 * math.pi)
    cr.set_source_rgb(0.07, 0.07, 0.08)
    cr.fill()
    out = io.BytesIO()
    surface.write_to_png(out)
    return out.getvalue()


def write_ico(path, sizes=(16, 32, 48, 256)):
    images = [draw(s) for s in sizes]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for s, data in zip(sizes, images):
        dim = 0 if s >= 256 else s
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))


if __name__ == "__main__":
    write_ico(sys.argv[1])
