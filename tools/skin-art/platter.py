"""The platter under the record: its shadow, the rim with the strobe dots,
the mat's lip and the spindle. All of it stands still in the program, which
is what strobe dots do at the right speed."""
import math

import cairo
import numpy as np

import pixels
from record import LIGHT_ANGLE

# Four rows of dots of different pitch (one row per speed and mains
# frequency); radius in px, count around.
STROBE_ROWS = ((159.8, 176), (156.6, 168), (153.4, 160), (150.2, 152))
RIM_INNER = 148.5
MAT_COLOUR = (24, 24, 26)


def paint_shadow(cr, centre, radius):
    cx, cy = centre
    shadow = cairo.RadialGradient(cx + 3, cy + 4, radius - 6, cx + 3, cy + 4,
                                  radius + 7)
    shadow.add_color_stop_rgba(0, 0, 0, 0, 0.7)
    shadow.add_color_stop_rgba(1, 0, 0, 0, 0)
    cr.set_source(shadow)
    cr.arc(cx + 3, cy + 4, radius + 7, 0, 2 * math.pi)
    cr.fill()


def _rim_rgba(shape, centre, radius):
    """The machined rim: dark anodised band between a lit chamfer outside
    and a bright step inside; the light makes two broad static highlights."""
    h, w = shape
    y, x = np.mgrid[0:h, 0:w].astype(np.float64) + 0.5
    dx, dy = x - centre[0], y - centre[1]
    r = np.hypot(dx, dy)
    theta = np.degrees(np.arctan2(dy, dx))
    facing = np.cos(np.radians(theta - LIGHT_ANGLE))
    d = np.radians(theta - LIGHT_ANGLE)
    band_gloss = np.exp(-(np.angle(np.exp(2j * d)) / 2 / 0.5) ** 2)
    value = 50.0 + 14.0 * band_gloss + 3.0 * facing
    chamfer = np.clip(1 - np.abs(r - (radius - 1.2)) / 1.4, 0, 1)
    value += chamfer * (30.0 + 55.0 * facing)
    step = np.clip(1 - np.abs(r - (RIM_INNER + 0.6)) / 1.1, 0, 1)
    value += step * (40.0 - 25.0 * facing)
    mat = np.clip(RIM_INNER - r, 0, 1)
    alpha = np.clip(radius - r + 0.5, 0, 1)
    grey = value * (1 - mat) + MAT_COLOUR[0] * mat
    colour = np.stack([grey, grey, grey + 3.0], axis=2)
    return np.concatenate([colour * alpha[:, :, None],
                           alpha[:, :, None] * 255], axis=2)


def paint_rim(cr, shape, centre, radius):
    cr.set_source_surface(pixels.surface_from_premultiplied(
        _rim_rgba(shape, centre, radius)), 0, 0)
    cr.paint()
    cx, cy = centre
    for row_radius, count in STROBE_ROWS:
        for k in range(count):
            a = 2 * math.pi * k / count
            cr.arc(cx + row_radius * math.cos(a), cy + row_radius * math.sin(a),
                   0.95, 0, 2 * math.pi)
            cr.close_path()
        cr.set_source_rgb(0.74, 0.74, 0.76)
        cr.fill()


def paint_spindle(cr, centre):
    cx, cy = centre
    metal = cairo.RadialGradient(cx - 1, cy - 1, 0.2, cx, cy, 3.2)
    metal.add_color_stop_rgb(0, 0.97, 0.97, 0.98)
    metal.add_color_stop_rgb(0.6, 0.62, 0.62, 0.65)
    metal.add_color_stop_rgb(1, 0.30, 0.30, 0.32)
    cr.arc(cx + 0.6, cy + 0.8, 3.2, 0, 2 * math.pi)
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.fill()
    cr.arc(cx, cy, 2.9, 0, 2 * math.pi)
    cr.set_source(metal)
    cr.fill()
