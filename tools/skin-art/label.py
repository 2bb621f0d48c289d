"""The paper label in the record's centre.

Its printing (a bold letter, an arrow along the turn, a line of text) looks
different turned by any angle and mirrored in either axis, so a fault in how
the program turns the picture shows at a glance.
"""
import math

import cairo
import numpy as np

import pixels
import stroke_font

PAPER = (0.78, 0.29, 0.13)
INK = (0.96, 0.90, 0.79)
HOLE = 0.047                   # of the label's radius


def _label_paper(cr, R):
    # Centred, so the paper shades the same at every angle it turns to.
    paper = cairo.RadialGradient(0, 0, 0, 0, 0, R * 1.05)
    paper.add_color_stop_rgb(0, PAPER[0] * 1.12, PAPER[1] * 1.15, PAPER[2] * 1.2)
    paper.add_color_stop_rgb(1, PAPER[0] * 0.86, PAPER[1] * 0.84, PAPER[2] * 0.84)
    cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    cr.arc(0, 0, R, 0, 2 * math.pi)
    cr.new_sub_path()
    cr.arc(0, 0, R * HOLE, 0, 2 * math.pi)
    cr.set_source(paper)
    cr.fill()
    cr.set_source_rgba(*INK, 0.85)
    cr.set_line_width(R * 0.022)
    cr.arc(0, 0, R * 0.9, 0, 2 * math.pi)
    cr.stroke()


def _label_print(cr, R):
    """A bold letter, an arrow along the turn and a line of text: none of
    them looks the same turned or mirrored."""
    cr.set_source_rgb(*INK)
    cr.set_line_width(R * 0.11)
    stroke_font.draw_text(cr, "Р", -0.70 * R, -0.33 * R, 0.62 * R, 0)
    cr.set_line_width(R * 0.035)
    stroke_font.draw_centred(cr, "РОВЕЛ", 0.0, 0.40 * R, 0.17 * R)
    cr.set_line_width(R * 0.026)
    stroke_font.draw_text(cr, "33 1/3", 0.18 * R, -0.06 * R, 0.12 * R)
    # The arrow points the way the record turns (clockwise on screen).
    cr.set_line_width(R * 0.05)
    cr.arc(0, 0, R * 0.72, math.radians(218), math.radians(318))
    cr.stroke()
    tip = math.radians(336)
    base = math.radians(316)
    cr.move_to(R * 0.72 * math.cos(tip), R * 0.72 * math.sin(tip))
    cr.line_to(R * 0.82 * math.cos(base), R * 0.82 * math.sin(base))
    cr.line_to(R * 0.62 * math.cos(base), R * 0.62 * math.sin(base))
    cr.close_path()
    cr.fill()


def draw(cr, cx, cy, radius, rotation=0.0):
    """The label of `radius` px about (cx, cy), turned by `rotation` degrees
    clockwise; its centre hole is left open."""
    cr.save()
    cr.translate(cx, cy)
    cr.rotate(math.radians(rotation))
    _label_paper(cr, radius)
    _label_print(cr, radius)
    cr.restore()


def add_grain(surface, cx, cy, radius, seed=8):
    """A faint fibre texture inside the label, so it reads as printed paper."""
    h, w = surface.get_height(), surface.get_width()
    y, x = np.mgrid[0:h, 0:w].astype(np.float64) + 0.5
    inside = np.clip(radius - 1 - np.hypot(x - cx, y - cy), 0, 1)
    grain = pixels.noise((h, w), seed) * 2.0 * inside
    view = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8,
                      surface.get_data())[:, :w]
    surface.flush()
    if surface.get_format() == cairo.FORMAT_RGB24:
        a = np.ones((h, w, 1))        # the fourth byte means nothing there
    else:
        a = view[:, :, 3:4].astype(np.float64) / 255.0
    colour = view[:, :, :3].astype(np.float64) + grain[:, :, None] * a
    view[:, :, :3] = np.clip(np.rint(np.minimum(colour, a * 255)), 0, 255)
    surface.mark_dirty()
