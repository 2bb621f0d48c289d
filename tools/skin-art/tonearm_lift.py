"""The arm rest and the cue lever on their plate beside the platter.

The raised-lever picture is cut from a deck drawn with the lever up, so
everything the lever's movement touches stays inside the plate.
"""
import math

import cairo

import shapes

LEVER_DOWN_ANGLE = 158.0     # lying forward, towards the player
LEVER_UP_ANGLE = 232.0       # swung back and up


def _plate(rect):
    return lambda c: shapes.rounded_rect(c, rect.x + 1.5, rect.y + 1.5,
                                         rect.w - 4, rect.h - 4, 5)


def _rest(cr, cx, cy):
    """The post the arm lies on when parked, with its rubber cradle."""
    shapes.drop_shadow(cr, lambda c: shapes.circle(c, cx, cy, 5.2),
                       offset=(1.5, 2.0), blur=1.5, alpha=0.6)
    shapes.circle(cr, cx, cy, 5.2)
    cr.set_source(shapes.lit_from_upper_left(cx - 5, cy - 5, cx + 5, cy + 5,
                                             (0.88, 0.88, 0.90),
                                             (0.34, 0.34, 0.36)))
    cr.fill()
    cr.set_line_width(2.2)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.arc(cx, cy, 2.6, math.radians(110), math.radians(250))
    cr.set_source_rgb(0.07, 0.07, 0.08)
    cr.stroke()
    cr.arc(cx, cy, 2.6, math.radians(-70), math.radians(70))
    cr.stroke()


def _lever(cr, hx, hy, angle, raised):
    a = math.radians(angle)
    length = 13.0 if raised else 15.0
    tx, ty = hx + length * math.cos(a), hy + length * math.sin(a)
    lift = 2.6 if raised else 1.2

    def bar(c):
        c.move_to(hx, hy)
        c.line_to(tx, ty)

    cr.save()
    cr.translate(lift, lift * 1.25)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    for width, alpha in ((6.0, 0.18), (4.6, 0.22), (3.4, 0.3)):
        bar(cr)
        cr.set_line_width(width)
        cr.set_source_rgba(0, 0, 0, alpha)
        cr.stroke()
    shapes.circle(cr, tx, ty, 3.6)
    cr.set_source_rgba(0, 0, 0, 0.35)
    cr.fill()
    cr.restore()
    bar(cr)
    cr.set_line_width(3.2)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_source(shapes.lit_from_upper_left(hx - 8, hy - 8, hx + 8, hy + 8,
                                             (0.86, 0.86, 0.88),
                                             (0.45, 0.45, 0.48)))
    cr.stroke()
    knob = cairo.RadialGradient(tx - 1, ty - 1.2, 0.3, tx, ty, 3.3)
    knob.add_color_stop_rgb(0, 0.55, 0.55, 0.58)
    knob.add_color_stop_rgb(1, 0.10, 0.10, 0.11)
    shapes.circle(cr, tx, ty, 3.3)
    cr.set_source(knob)
    cr.fill()
    shapes.circle(cr, hx, hy, 3.4)
    cr.set_source(shapes.lit_from_upper_left(hx - 3, hy - 3, hx + 3, hy + 3,
                                             (0.95, 0.95, 0.96),
                                             (0.40, 0.40, 0.43)))
    cr.fill()


def _arrows(cr, x, y_up, y_down):
    cr.set_source_rgb(0.55, 0.55, 0.57)
    for y, sign in ((y_up, -1), (y_down, 1)):
        cr.move_to(x - 2.2, y - sign * 1.5)
        cr.line_to(x + 2.2, y - sign * 1.5)
        cr.line_to(x, y + sign * 1.5)
        cr.close_path()
        cr.fill()


def paint(cr, layout, raised):
    r = layout.lift
    plate = _plate(r)
    shapes.drop_shadow(cr, plate, offset=(1.2, 1.5), blur=1.2, alpha=0.6)
    plate(cr)
    cr.set_source(shapes.lit_from_upper_left(r.x, r.y, r.x + r.w, r.y + r.h,
                                             (0.20, 0.20, 0.22),
                                             (0.11, 0.11, 0.12)))
    cr.fill()
    shapes.raised_edge(cr, plate, 0.9)
    _rest(cr, r.x + 12.5, r.y + 14.5)
    _arrows(cr, r.x + 31.5, r.y + 31.5, r.y + 52.5)
    _lever(cr, r.x + 27.5, r.y + 44.5,
           LEVER_UP_ANGLE if raised else LEVER_DOWN_ANGLE, raised)
