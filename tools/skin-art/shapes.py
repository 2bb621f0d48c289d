"""Small drawing helpers shared by the parts of the deck."""
import math

import cairo

PRINT = (0.62, 0.62, 0.64)      # the plate's printing, light grey


def rounded_rect(cr, x, y, w, h, r):
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    cr.close_path()


def circle(cr, cx, cy, r):
    cr.new_sub_path()
    cr.arc(cx, cy, r, 0, 2 * math.pi)


def lit_from_upper_left(x0, y0, x1, y1, light, dark):
    """A linear gradient across a shape, bright where the light falls."""
    g = cairo.LinearGradient(x0, y0, x1, y1)
    g.add_color_stop_rgb(0, *light)
    g.add_color_stop_rgb(1, *dark)
    return g


def recess(cr, path, depth=1.0):
    """Shade the inside edges of a sunken shape: its upper-left rim is in
    shadow, its lower-right rim catches the light."""
    _light_inner_rims(cr, path, ((1.0, 1.0, (0, 0, 0, 0.55 * depth)),
                                 (-0.8, -0.8, (1, 1, 1, 0.10 * depth))))


def raised_edge(cr, path, width=1.0):
    """The upper-left edge of a raised shape lit, the lower-right in shade."""
    _light_inner_rims(cr, path, ((width, width, (1, 1, 1, 0.22)),
                                 (-width, -width, (0, 0, 0, 0.35))))


def _light_inner_rims(cr, path, rims):
    """Inside the shape, paint each (dx, dy, colour) where the shape moved by
    (dx, dy) does not reach: a rim along the edges facing away from the move."""
    cr.save()
    path(cr)
    cr.clip()
    for dx, dy, colour in rims:
        cr.save()
        cr.translate(dx, dy)
        cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
        cr.rectangle(-50, -50, 600, 700)
        path(cr)
        cr.set_source_rgba(*colour)
        cr.fill()
        cr.restore()
    cr.restore()


def drop_shadow(cr, path, offset=(1.6, 2.0), blur=2.0, alpha=0.5):
    """A soft shadow to the lower right from a few widening strokes."""
    cr.save()
    cr.translate(*offset)
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    steps = 5
    for i in range(steps, 0, -1):
        path(cr)
        cr.set_source_rgba(0, 0, 0, alpha / (steps + 1))
        cr.set_line_width(blur * 2 * i / steps)
        cr.stroke_preserve()
        cr.fill()
    path(cr)
    cr.set_source_rgba(0, 0, 0, alpha / (steps + 1))
    cr.fill()
    cr.restore()
