"""A tiny stroked font, so printed text looks the same on every machine
whatever fonts are installed. Glyphs are polylines in a box 1 unit tall,
y growing downwards."""
import math


def _arc(cx, cy, rx, ry, a0, a1, steps=10):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def _bowl(x0, y0, y1, depth):
    """A right-hand bowl from (x0, y0) to (x0, y1), as in В and Р."""
    r = (y1 - y0) / 2
    flat = depth - r
    return ([(x0, y0), (x0 + flat, y0)]
            + _arc(x0 + flat, y0 + r, r, r, -90, 90)
            + [(x0, y1)])


GLYPHS = {
    "0": (0.6, [_arc(0.3, 0.5, 0.28, 0.5, 0, 360, 24)]),
    "1": (0.4, [[(0.05, 0.2), (0.25, 0.0), (0.25, 1.0)]]),
    "3": (0.6, [_arc(0.3, 0.25, 0.27, 0.25, 200, 450, 12)
                + _arc(0.3, 0.74, 0.28, 0.26, 270, 520, 12)]),
    "4": (0.6, [[(0.45, 1.0), (0.45, 0.0), (0.02, 0.68), (0.6, 0.68)]]),
    "5": (0.6, [[(0.55, 0.0), (0.1, 0.0), (0.06, 0.45)]
                + _arc(0.3, 0.7, 0.28, 0.3, 225, 495, 14)]),
    "/": (0.45, [[(0.02, 1.0), (0.43, 0.0)]]),
    "+": (0.6, [[(0.05, 0.5), (0.55, 0.5)], [(0.3, 0.25), (0.3, 0.75)]]),
    "-": (0.6, [[(0.05, 0.5), (0.55, 0.5)]]),
    "Р": (0.6, [[(0.05, 1.0)] + _bowl(0.05, 0.0, 0.55, 0.55)]),
    "О": (0.7, [_arc(0.35, 0.5, 0.33, 0.5, 0, 360, 28)]),
    "В": (0.6, [[(0.05, 1.0), (0.05, 0.0)], _bowl(0.05, 0.0, 0.47, 0.5),
                _bowl(0.05, 0.47, 1.0, 0.55)]),
    "А": (0.62, [[(0.0, 1.0), (0.31, 0.0), (0.62, 1.0)],
                 [(0.12, 0.64), (0.50, 0.64)]]),
    "Е": (0.55, [[(0.52, 0.0), (0.05, 0.0), (0.05, 1.0), (0.52, 1.0)],
                 [(0.05, 0.5), (0.45, 0.5)]]),
    "Л": (0.62, [[(0.0, 1.0), (0.1, 0.9), (0.17, 0.0), (0.57, 0.0),
                  (0.57, 1.0)]]),
    "М": (0.75, [[(0.05, 1.0), (0.05, 0.0), (0.375, 0.7), (0.7, 0.0),
                  (0.7, 1.0)]]),
    "П": (0.6, [[(0.05, 1.0), (0.05, 0.0), (0.55, 0.0), (0.55, 1.0)]]),
    "С": (0.6, [_arc(0.33, 0.5, 0.3, 0.5, 40, 320, 22)]),
    "Т": (0.6, [[(0.0, 0.0), (0.6, 0.0)], [(0.3, 0.0), (0.3, 1.0)]]),
    "Н": (0.6, [[(0.05, 0.0), (0.05, 1.0)], [(0.55, 0.0), (0.55, 1.0)],
                [(0.05, 0.5), (0.55, 0.5)]]),
    "Г": (0.5, [[(0.05, 1.0), (0.05, 0.0), (0.5, 0.0)]]),
    ".": (0.25, [[(0.12, 0.95), (0.13, 1.0)]]),
    " ": (0.35, []),
}


def text_width(text, size, spacing=0.18):
    return sum((GLYPHS[c][0] + spacing) * size for c in text) - spacing * size


def draw_text(cr, text, x, y, size, spacing=0.18):
    """Stroke `text` with its top-left corner at (x, y), `size` px tall,
    in the context's current source and line width."""
    cr.save()
    cr.set_line_cap(1)   # round
    cr.set_line_join(1)
    for ch in text:
        width, strokes = GLYPHS[ch]
        for stroke in strokes:
            cr.move_to(x + stroke[0][0] * size, y + stroke[0][1] * size)
            for px, py in stroke[1:]:
                cr.line_to(x + px * size, y + py * size)
            cr.stroke()
        x += (width + spacing) * size
    cr.restore()


def draw_centred(cr, text, cx, y, size, spacing=0.18):
    draw_text(cr, text, cx - text_width(text, size, spacing) / 2, y, size,
              spacing)
