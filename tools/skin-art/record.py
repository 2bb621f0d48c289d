"""The record: vinyl with grooves and track gaps, the label on it.

Sizes are in the full deck's canvas pixels (the vinyl's radius is 145);
`scale` maps them to the pixels of the picture being drawn, so the deck, the
record picture and the mini label all share one design.
"""
import math

import cairo
import numpy as np

import label
import pixels

VINYL = np.array([18.0, 18.0, 20.0])
LIGHT_ANGLE = 225.0            # the light is to the upper left
TRACK_GAPS = (121.0, 101.0, 87.5)
LEAD_IN = 141.0
RUN_OUT = 71.0

_STEP = 1.0 / 32               # profile resolution, in picture pixels


def _groove_texture(u, seed):
    """Ring-to-ring variation of the cut, one ring per canvas pixel: each
    ring catches a little more or less light, louder passages are matter."""
    ring = np.floor(u).astype(np.int64)
    per_ring = pixels.noise(ring.max() + 1, seed) * 2.6
    alternate = np.where(ring % 2 == 0, 1.6, -1.6)
    passages = pixels.box_blur(pixels.noise(ring.max() + 1, seed + 1), 6,
                               axis=0) * 7.0
    return per_ring[ring] + alternate + passages[ring]


def _profile(radius, scale, seed):
    """Brightness above the vinyl's black along the radius (picture px),
    already averaged over one pixel so rings a pixel apart do not alias."""
    r = np.arange(0, (radius + 2) * scale, _STEP)
    u = r / scale                                     # canvas units
    grooved = (u > RUN_OUT) & (u < LEAD_IN)
    for gap in TRACK_GAPS:
        grooved &= np.abs(u - gap) > 1.0
    level = np.where(grooved, 6.0 + _groove_texture(u, seed), 16.0)
    level = np.where((u > 66.9) & (u < 67.5), 1.0, level)   # locked groove
    bead = np.clip(1.0 - (radius - u) / 1.6, 0, 1)
    level += bead * 10.0
    kernel = np.ones(int(round(1.0 / _STEP))) * _STEP
    level = np.convolve(level, kernel, mode="same")
    groove_mask = np.convolve(grooved.astype(float), kernel, mode="same")
    return r, level, groove_mask


def _sheen(theta, rotation, strength):
    """The bright wedges where the grooves run across the light."""
    d = np.radians(theta - LIGHT_ANGLE - rotation)
    d = np.angle(np.exp(2j * d)) / 2            # folded to [-90, 90) degrees
    return strength * np.exp(-(d / np.radians(20.0)) ** 2)


def vinyl(shape, centre, scale, radius, rotation=0.0, sheen=0.0, seed=5):
    """RGBA array (premultiplied) of the vinyl disc about `centre`."""
    (h, w), (cx, cy) = shape, centre
    y, x = np.mgrid[0:h, 0:w].astype(np.float64) + 0.5
    rr = np.hypot(x - cx, y - cy)
    r, level, groove_mask = _profile(radius, scale, seed)
    value = np.interp(rr, r, level)
    mask = np.interp(rr, r, groove_mask)
    theta = np.degrees(np.arctan2(y - cy, x - cx))
    value += _sheen(theta, rotation, sheen) * (0.35 + 0.65 * mask) \
        * np.clip(rr / (radius * scale), 0, 1)
    rim = np.clip(1.0 - (radius * scale - rr) / (1.5 * scale), 0, 1)
    value += np.cos(np.radians(theta - LIGHT_ANGLE)) * 6.0 * rim
    alpha = np.clip(radius * scale - rr + 0.5, 0, 1)
    colour = VINYL[None, None, :] + value[:, :, None]
    return np.concatenate([colour * alpha[:, :, None], alpha[:, :, None] * 255],
                          axis=2)


def record_surface(size, scale, radius, label_radius, rotation, sheen):
    """The whole record as an ARGB surface, transparent outside the vinyl."""
    surface = pixels.surface_from_premultiplied(
        vinyl((size, size), (size / 2, size / 2), scale, radius, rotation, sheen))
    cr = cairo.Context(surface)
    label.draw(cr, size / 2, size / 2, label_radius * scale, rotation)
    _open_hole(cr, size / 2, label_radius * scale)
    label.add_grain(surface, size / 2, size / 2, label_radius * scale)
    return surface


def _open_hole(cr, c, label_px):
    """Clear the centre hole through the vinyl too, so the deck's spindle,
    which stands still, shows through the turning picture."""
    cr.save()
    cr.set_operator(cairo.OPERATOR_CLEAR)
    cr.arc(c, c, label_px * label.HOLE, 0, 2 * math.pi)
    cr.fill()
    cr.restore()


def label_surface(size, scale, label_radius, rotation):
    """The label alone, transparent outside its disc and in its hole."""
    surface = pixels.clear_surface(size, size)
    cr = cairo.Context(surface)
    label.draw(cr, size / 2, size / 2, label_radius * scale, rotation)
    label.add_grain(surface, size / 2, size / 2, label_radius * scale)
    return surface
