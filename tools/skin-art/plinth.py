"""The deck's top plate: dark satin metal, brushed, lit from the upper left."""
import numpy as np

import pixels
from layout import WIDTH, DECK_HEIGHT

_BASE = np.array([40.0, 40.0, 43.0])


def _brushed(h, w, seed):
    """Fine horizontal streaks: noise smeared along x, a little grain on top."""
    streaks = pixels.box_blur(pixels.noise((h, w), seed), 9, axis=1)
    streaks = pixels.box_blur(streaks, 9, axis=1) * 9.0
    grain = pixels.noise((h, w), seed + 1) * 0.8
    return streaks + grain


def _lighting(h, w):
    """Brighter towards the light in the upper left, a soft vignette."""
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    across = (x / w + y / h) / 2
    r = np.hypot((x - w / 2) / (w * 0.62), (y - h / 2) / (h * 0.62))
    return 10.0 * (0.5 - across) - 12.0 * np.clip(r - 0.55, 0, None) ** 2


def paint_plate(surface, seed=11):
    h, w = DECK_HEIGHT, WIDTH
    luma = _lighting(h, w) + _brushed(h, w, seed)
    rgb = _BASE[None, None, :] + luma[:, :, None]
    full = pixels.rgb(surface).astype(np.float64)
    full[:h] = rgb
    pixels.store_rgb(surface, full)


def paint_bevel(cr):
    """A chamfered edge: light on the top and left, shade on the bottom and
    right."""
    w, h = WIDTH, DECK_HEIGHT
    edges = [((0, 0.5), (w, 0.5), (1, 1, 1, 0.16)),
             ((0, 1.5), (w, 1.5), (1, 1, 1, 0.06)),
             ((0.5, 0), (0.5, h), (1, 1, 1, 0.10)),
             ((w - 0.5, 0), (w - 0.5, h), (0, 0, 0, 0.45)),
             ((w - 1.5, 0), (w - 1.5, h), (0, 0, 0, 0.15)),
             ((0, h - 0.5), (w, h - 0.5), (0, 0, 0, 0.55)),
             ((0, h - 1.5), (w, h - 1.5), (0, 0, 0, 0.2))]
    cr.set_line_width(1)
    for (x0, y0), (x1, y1), colour in edges:
        cr.set_source_rgba(*colour)
        cr.move_to(x0, y0)
        cr.line_to(x1, y1)
        cr.stroke()
