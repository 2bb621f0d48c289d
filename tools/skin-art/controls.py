"""The switch, the lamp, the buttons and the printing on the plate.

Each control is drawn inside its hit rectangle; what a state picture changes
(the switch's pointer, the lamp, the button's ring) stays inside the picture
the program lays over it.
"""
import math

import cairo

import shapes
import sliders
import stroke_font
import tonearm_lift
from layout import CAP_X, CAP_START_Y, KNOB_START_X

SWITCH_ON_ANGLE = -45.0
SWITCH_OFF_ANGLE = -135.0


def _switch_knob_centre(layout):
    # The full build lays the off picture over its canvas, which starts at
    # x 30: the knob that turns lies right of that, the plate's left end
    # and its printing stay the same in both pictures.
    r = layout.power_switch
    return (r.x + 13.5, r.y + 9.5)


def paint_power_switch(cr, layout, on):
    r = layout.power_switch

    def plate(c):
        shapes.rounded_rect(c, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 3)

    cr.set_source_rgb(0.09, 0.09, 0.10)
    plate(cr)
    cr.fill()
    shapes.recess(cr, plate)
    cx, cy = _switch_knob_centre(layout)
    cr.set_source_rgb(*shapes.PRINT)
    cr.set_line_width(0.9)
    for angle in (SWITCH_ON_ANGLE, SWITCH_OFF_ANGLE):
        a = math.radians(angle)
        cr.move_to(cx + 7.0 * math.cos(a), cy + 7.0 * math.sin(a))
        cr.line_to(cx + 8.6 * math.cos(a), cy + 8.6 * math.sin(a))
        cr.stroke()
    _power_symbol(cr, r.x + 3.6, cy)
    _knob(cr, cx, cy, 5.6, SWITCH_ON_ANGLE if on else SWITCH_OFF_ANGLE)


def _power_symbol(cr, cx, cy):
    cr.set_source_rgb(*shapes.PRINT)
    cr.set_line_width(0.8)
    cr.arc(cx, cy + 0.4, 2.0, math.radians(-60), math.radians(240))
    cr.stroke()
    cr.move_to(cx, cy - 2.4)
    cr.line_to(cx, cy + 0.2)
    cr.stroke()


def _knob(cr, cx, cy, radius, pointer_angle):
    shapes.drop_shadow(cr, lambda c: shapes.circle(c, cx, cy, radius),
                       offset=(1.0, 1.3), blur=1.2, alpha=0.6)
    knurl = cairo.RadialGradient(cx - 2, cy - 2.5, 0.5, cx, cy, radius)
    knurl.add_color_stop_rgb(0, 0.42, 0.42, 0.44)
    knurl.add_color_stop_rgb(0.8, 0.16, 0.16, 0.17)
    knurl.add_color_stop_rgb(1, 0.07, 0.07, 0.08)
    shapes.circle(cr, cx, cy, radius)
    cr.set_source(knurl)
    cr.fill()
    shapes.circle(cr, cx, cy, radius - 0.5)
    cr.set_source_rgba(1, 1, 1, 0.18)
    cr.set_line_width(0.6)
    cr.stroke()
    a = math.radians(pointer_angle)
    cr.move_to(cx + 0.8 * math.cos(a), cy + 0.8 * math.sin(a))
    cr.line_to(cx + (radius - 1.0) * math.cos(a),
               cy + (radius - 1.0) * math.sin(a))
    cr.set_source_rgb(0.95, 0.95, 0.95)
    cr.set_line_width(1.3)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.stroke()


def paint_lamp(cr, layout, lit):
    cx, cy = layout.lamp.centre
    if lit:
        glow = cairo.RadialGradient(cx, cy, 3.0, cx, cy, 7.3)
        glow.add_color_stop_rgba(0, 0.35, 1.0, 0.45, 0.55)
        glow.add_color_stop_rgba(1, 0.35, 1.0, 0.45, 0.0)
        cr.set_source(glow)
        cr.rectangle(layout.lamp.x, layout.lamp.y, 16, 16)
        cr.fill()
    bezel = shapes.lit_from_upper_left(cx - 5, cy - 5, cx + 5, cy + 5,
                                       (0.85, 0.85, 0.87), (0.28, 0.28, 0.30))
    shapes.drop_shadow(cr, lambda c: shapes.circle(c, cx, cy, 4.8),
                       offset=(0.8, 1.0), blur=1.0, alpha=0.5)
    shapes.circle(cr, cx, cy, 4.8)
    cr.set_source(bezel)
    cr.fill()
    lens = cairo.RadialGradient(cx - 0.8, cy - 0.8, 0.3, cx, cy, 3.4)
    if lit:
        lens.add_color_stop_rgb(0, 0.85, 1.0, 0.85)
        lens.add_color_stop_rgb(0.5, 0.30, 0.95, 0.40)
        lens.add_color_stop_rgb(1, 0.08, 0.55, 0.18)
    else:
        lens.add_color_stop_rgb(0, 0.24, 0.30, 0.25)
        lens.add_color_stop_rgb(1, 0.07, 0.11, 0.08)
    shapes.circle(cr, cx, cy, 3.4)
    cr.set_source(lens)
    cr.fill()
    shapes.circle(cr, cx - 1.2, cy - 1.2, 0.8)
    cr.set_source_rgba(1, 1, 1, 0.55 if lit else 0.35)
    cr.fill()


def paint_start_button(cr, layout, lit):
    r = layout.start_button
    cx, cy = r.centre
    shapes.circle(cr, cx, cy, 16.4)
    cr.set_source_rgb(0.07, 0.07, 0.08)
    cr.fill()
    shapes.recess(cr, lambda c: shapes.circle(c, cx, cy, 16.4), 1.2)
    if lit:
        glow = cairo.RadialGradient(cx, cy, 11.5, cx, cy, 16.9)
        glow.add_color_stop_rgba(0, 0.30, 0.60, 1.0, 0.0)
        glow.add_color_stop_rgba(0.45, 0.35, 0.65, 1.0, 0.85)
        glow.add_color_stop_rgba(1, 0.30, 0.60, 1.0, 0.0)
        shapes.circle(cr, cx, cy, 16.9)
        cr.set_source(glow)
        cr.fill()
    ring = (0.55, 0.80, 1.0) if lit else (0.16, 0.18, 0.23)
    cr.set_source_rgb(*ring)
    cr.set_line_width(1.6)
    shapes.circle(cr, cx, cy, 14.1)
    cr.stroke()
    _button_cap(cr, cx, cy, 12.4)
    _start_symbol(cr, cx, cy)


def _button_cap(cr, cx, cy, radius):
    shapes.drop_shadow(cr, lambda c: shapes.circle(c, cx, cy, radius),
                       offset=(1.0, 1.4), blur=1.4, alpha=0.7)
    face = cairo.RadialGradient(cx - 4, cy - 5, 1, cx, cy, radius)
    face.add_color_stop_rgb(0, 0.36, 0.36, 0.38)
    face.add_color_stop_rgb(1, 0.17, 0.17, 0.18)
    shapes.circle(cr, cx, cy, radius)
    cr.set_source(face)
    cr.fill()
    shapes.raised_edge(cr, lambda c: shapes.circle(c, cx, cy, radius), 0.9)


def _start_symbol(cr, cx, cy):
    cr.set_source_rgb(*shapes.PRINT)
    cr.move_to(cx - 5.0, cy - 3.5)
    cr.line_to(cx + 0.2, cy)
    cr.line_to(cx - 5.0, cy + 3.5)
    cr.close_path()
    cr.fill()
    for dx in (2.0, 4.6):
        cr.rectangle(cx + dx, cy - 3.5, 1.6, 7.0)
    cr.fill()


def paint_speed_buttons(cr, layout):
    for rect, text in zip(layout.speed_buttons, ("33", "45")):
        cx, cy = rect.centre
        shapes.circle(cr, cx, cy, 6.4)
        cr.set_source_rgb(0.08, 0.08, 0.09)
        cr.fill()
        shapes.drop_shadow(cr, lambda c: shapes.circle(c, cx, cy, 5.3),
                           offset=(0.8, 1.0), blur=0.8, alpha=0.7)
        shapes.circle(cr, cx, cy, 5.3)
        cr.set_source(shapes.lit_from_upper_left(
            cx - 5, cy - 5, cx + 5, cy + 5, (0.82, 0.82, 0.84), (0.38, 0.38, 0.40)))
        cr.fill()
        shapes.circle(cr, cx, cy, 3.6)
        cr.set_source(shapes.lit_from_upper_left(
            cx - 4, cy - 4, cx + 4, cy + 4, (0.52, 0.52, 0.55), (0.72, 0.72, 0.74)))
        cr.fill()
        cr.set_source_rgb(*shapes.PRINT)
        cr.set_line_width(0.8)
        stroke_font.draw_centred(cr, text, cx, rect.y + rect.h + 3.5, 5.0, 0.25)


def paint_brand(cr):
    cr.set_source_rgb(0.55, 0.55, 0.57)
    cr.set_line_width(1.1)
    stroke_font.draw_text(cr, "РОВЕЛ", 322, 339, 8.0, 0.3)


def paint_print(cr, layout):
    """Printing on the plate that no state changes."""
    paint_brand(cr)
    r = layout.start_button
    cr.set_source_rgb(*shapes.PRINT)
    cr.set_line_width(0.75)
    stroke_font.draw_centred(cr, "СТАРТ/СТОП", r.x + r.w / 2, r.y + r.h + 5,
                             4.6, 0.3)


def paint(cr, layout, state):
    paint_power_switch(cr, layout, state.power_on)
    paint_lamp(cr, layout, state.lamp_lit)
    paint_start_button(cr, layout, state.button_lit)
    paint_speed_buttons(cr, layout)
    sliders.paint_volume_slot(cr, layout)
    if state.with_knob:
        sliders.paint_volume_knob(cr, layout.volume_slot.x + KNOB_START_X,
                                  layout.volume_slot.y)
    sliders.paint_fader(cr, layout)
    if state.with_cap:
        sliders.paint_fader_cap(cr, layout.fader.x + CAP_X,
                                layout.fader.y + CAP_START_Y)
    tonearm_lift.paint(cr, layout, state.lever_raised)
