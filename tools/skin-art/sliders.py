"""The volume slot with its knob and the fader with its printed scale and cap.

The knob and the cap are separate pictures that the program moves over
the slot and the scale, so each is drawn to fit wherever it stands.
"""
import cairo

import shapes
import stroke_font
from layout import CAP_SIZE, CAP_X, CAP_START_Y, KNOB_SIZE

FADER_FACE = (0.10, 0.10, 0.11)


def _slot_plate(layout):
    r = layout.volume_slot
    return lambda c: shapes.rounded_rect(c, r.x - 5, r.y - 1, r.w + 10,
                                         r.h + 2, 4)


def paint_volume_slot(cr, layout):
    """The groove is the same in every column the knob can stand on, so the
    knob's own picture, with this groove behind it, fits anywhere."""
    r = layout.volume_slot
    plate = _slot_plate(layout)
    plate(cr)
    g = cairo.LinearGradient(0, r.y, 0, r.y + r.h)
    g.add_color_stop_rgb(0, 0.06, 0.06, 0.07)
    g.add_color_stop_rgb(1, 0.13, 0.13, 0.14)
    cr.set_source(g)
    cr.fill()
    shapes.recess(cr, plate, 1.3)
    cr.rectangle(r.x - 1, r.y + 4.5, r.w + 2, 2)
    cr.set_source_rgb(0.015, 0.015, 0.02)
    cr.fill()
    cr.set_source_rgb(*shapes.PRINT)
    cr.set_line_width(0.8)
    stroke_font.draw_centred(cr, "-", r.x + 2, r.y - 7.5, 4.5)
    stroke_font.draw_centred(cr, "+", r.x + r.w - 3, r.y - 7.5, 4.5)


def paint_volume_knob(cr, x, y):
    w, h = KNOB_SIZE

    def body(c):
        shapes.rounded_rect(c, x + 1, y + 0.5, w - 3, h - 2.5, 1.6)

    shapes.drop_shadow(cr, body, offset=(0.8, 0.9), blur=0.6, alpha=0.8)
    body(cr)
    cr.set_source(shapes.lit_from_upper_left(
        x, y, x + w * 0.4, y + h, (0.90, 0.90, 0.92), (0.50, 0.50, 0.53)))
    cr.fill()
    shapes.raised_edge(cr, body, 0.8)
    for dx, colour in ((-1.2, (0.38, 0.38, 0.40)), (0.0, (0.12, 0.12, 0.13)),
                       (1.2, (0.38, 0.38, 0.40))):
        cr.rectangle(x + w / 2 - 1.5 + dx, y + 2, 1, h - 5.5)
        cr.set_source_rgb(*colour)
        cr.fill()


def _fader_ticks(cr, r):
    cr.set_line_width(1.0)
    for i in range(11):
        y = r.y + CAP_START_Y + CAP_SIZE[1] / 2 - i * 10 + 0.5
        long = i % 5 == 0
        cr.set_source_rgb(*(shapes.PRINT if long else (0.42, 0.42, 0.44)))
        cr.move_to(r.x + 2, y)
        cr.line_to(r.x + (8 if long else 6), y)
        cr.move_to(r.x + r.w - (7 if long else 5), y)
        cr.line_to(r.x + r.w - 1, y)
        cr.stroke()


def paint_fader(cr, layout):
    r = layout.fader

    def frame(c):
        shapes.rounded_rect(c, r.x - 1.5, r.y - 1.5, r.w + 3, r.h + 3, 3)

    def inset(c):
        shapes.rounded_rect(c, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 2)

    frame(cr)
    cr.set_source_rgb(0.30, 0.30, 0.32)
    cr.fill()
    shapes.raised_edge(cr, frame, 1.0)
    inset(cr)
    cr.set_source_rgb(*FADER_FACE)
    cr.fill()
    shapes.recess(cr, inset, 1.2)
    _fader_ticks(cr, r)
    slot_x = r.x + CAP_X + CAP_SIZE[0] / 2
    shapes.rounded_rect(cr, slot_x - 1.5, r.y + 8, 3, r.h - 16, 1.5)
    cr.set_source_rgb(0.0, 0.0, 0.0)
    cr.fill()



def paint_fader_cap(cr, x, y):
    """The cap fills its whole picture (it is laid over the scale at any
    height): only its corners show the fader's face."""
    w, h = CAP_SIZE
    cr.rectangle(x, y, w, h)
    cr.set_source_rgb(*FADER_FACE)
    cr.fill()

    def body(c):
        shapes.rounded_rect(c, x, y, w, h, 2.2)

    body(cr)
    cr.set_source(shapes.lit_from_upper_left(
        x, y, x, y + h, (0.40, 0.40, 0.42), (0.13, 0.13, 0.14)))
    cr.fill()
    for row, shade in ((3, 0.52), (5, 0.46), (11, 0.30), (13, 0.26)):
        cr.rectangle(x + 2, y + row, w - 4, 1)
        cr.set_source_rgba(1, 1, 1, shade * 0.35)
        cr.fill()
    cr.rectangle(x + 1.5, y + h / 2 - 0.75, w - 3, 1.5)
    cr.set_source_rgb(0.95, 0.95, 0.95)
    cr.fill()
    shapes.raised_edge(cr, body, 1.0)
