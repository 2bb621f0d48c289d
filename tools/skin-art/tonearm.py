"""The tonearm: pivot base, counterweight, the S-shaped tube and the head.

The arm is built once, in the pose the full build shows, as a layer with
its own alpha; the mini build's poses turn that layer about the pivot. Near
the head the tube takes exactly the cross-section of the head's boxes (a
dark upper edge and an 8-pixel white band, stepping one pixel per column),
so tube and boxes meet without a seam; further out it turns into shaded
chrome.
"""
import math

import cairo
import numpy as np

import headshell
import pixels
import shapes
from layout import DECK_HEIGHT, FULL, WIDTH

# The tube's centre where it leaves the head: the head's boxes step along
# y = 543 - x in client pixels, 9 rows tall (one edge row, eight white).
HEAD_JOINT = np.array([319.5, 223.5])
HEAD_DIRECTION = np.array([1.0, -1.0]) / math.sqrt(2)
HALF_WIDTH = 4.5 / math.sqrt(2)
STEP_COLUMNS = (319, 334)     # columns where the tube is the boxes' pattern
EDGE_GREY, WHITE = (122, 124, 123), (252, 254, 253)
REAR_LENGTH = 54.0
COUNTERWEIGHT = (23.0, 50.0, 13.0)   # from, to behind the pivot; half-width


def _bezier(p0, p1, p2, p3, n):
    t = np.linspace(0, 1, n)[:, None]
    return ((1 - t) ** 3 * p0 + 3 * (1 - t) ** 2 * t * p1
            + 3 * (1 - t) * t ** 2 * p2 + t ** 3 * p3)


def centre_line(pivot):
    """Points from the head to the pivot and on behind it to the weight."""
    pivot = np.asarray(pivot)
    p1 = HEAD_JOINT + 16 * HEAD_DIRECTION
    end = np.array([0.1, -1.0]) / math.hypot(0.1, 1.0)
    curve = _bezier(p1, p1 + 30 * HEAD_DIRECTION, pivot - 45 * end, pivot, 120)
    rear = pivot + np.linspace(0, REAR_LENGTH, 30)[1:, None] * end
    return np.vstack([HEAD_JOINT, curve, rear]), end


def _nearest(points, px, py):
    """Signed distance to the polyline (positive on the upper-left side)
    and the arc length at the nearest point, for every pixel."""
    best = np.full(px.shape, np.inf)
    side = np.zeros(px.shape)
    along = np.zeros(px.shape)
    run = 0.0
    for a, b in zip(points[:-1], points[1:]):
        seg = b - a
        length = math.hypot(*seg)
        t = np.clip(((px - a[0]) * seg[0] + (py - a[1]) * seg[1]) / length ** 2,
                    0, 1)
        qx, qy = a[0] + t * seg[0], a[1] + t * seg[1]
        dist = np.hypot(px - qx, py - qy)
        closer = dist < best
        normal = ((px - qx) * seg[1] - (py - qy) * seg[0]) / length
        best = np.where(closer, dist, best)
        side = np.where(closer, normal, side)
        along = np.where(closer, run + t * length, along)
        run += length
    return side, along


def _chrome(d):
    """Grey across the tube, d from +half (upper left) to -half."""
    x = d / HALF_WIDTH
    highlight = np.exp(-((x - 0.35) / 0.28) ** 2)
    body = 150 + 45 * x - 40 * x ** 2
    edge = np.clip((np.abs(x) - 0.78) / 0.22, 0, 1)
    return body * (1 - edge) + 95 * edge + 105 * highlight * (1 - edge)


def _flat(d):
    """The head's own cross-section: edge row above, white band below."""
    edge = d > HALF_WIDTH - 1 / math.sqrt(2)
    return np.where(edge, EDGE_GREY[0], WHITE[0]).astype(float)


def _tube(pivot):
    h, w = DECK_HEIGHT, WIDTH
    points, _ = centre_line(pivot)
    x0, y0 = np.floor(points.min(axis=0) - 6).astype(int)
    x1, y1 = np.ceil(points.max(axis=0) + 6).astype(int)
    py, px = np.mgrid[y0:y1, x0:x1].astype(np.float64) + 0.5
    d, s = _nearest(points, px, py)
    blend = np.clip((s - 12.0) / 30.0, 0, 1)
    blend = blend * blend * (3 - 2 * blend)
    grey = _flat(d) * (1 - blend) + _chrome(d) * blend
    alpha = np.clip(HALF_WIDTH - np.abs(d) + 0.5, 0, 1)
    layer = np.zeros((h, w, 4))
    layer[y0:y1, x0:x1, 0] = grey
    layer[y0:y1, x0:x1, 1] = grey + 1
    layer[y0:y1, x0:x1, 2] = grey + 2
    layer[y0:y1, x0:x1, 3] = alpha
    return layer


def _step_pattern(layer):
    """Near the head, replace the drawn tube by the boxes' exact stepping."""
    first, last = STEP_COLUMNS
    for x in range(first - 8, last):
        edge = 538 - x
        layer[edge - 4:edge + 13, x, 3] = 0
        if x < first:
            continue          # left of the joint only the boxes are drawn
        layer[edge, x] = (*EDGE_GREY, 1)
        layer[edge + 1:edge + 9, x] = (*WHITE, 1)


def _head(layer, canvas_origin):
    rgb = layer[:, :, :3]
    headshell.paint(rgb, canvas_origin)
    layer[:, :, 3] = np.maximum(layer[:, :, 3],
                                headshell.mask(rgb.shape, canvas_origin))


def _to_surface(layer):
    premultiplied = layer.copy()
    premultiplied[:, :, :3] *= layer[:, :, 3:4]
    premultiplied[:, :, 3] *= 255
    return pixels.surface_from_premultiplied(premultiplied)


def _counterweight(cr, pivot, end):
    """A knurled cylinder on the rear stub, seen from above."""
    start, stop, half = COUNTERWEIGHT
    cr.save()
    cr.translate(*pivot)
    cr.rotate(math.atan2(end[1], end[0]) + math.pi / 2)   # y axis = rearwards
    g = cairo.LinearGradient(-half, 0, half, 0)
    for pos, v in ((0, 0.30), (0.22, 0.80), (0.38, 0.62), (0.75, 0.34), (1, 0.16)):
        g.add_color_stop_rgb(pos, v, v, v + 0.02)
    shapes.rounded_rect(cr, -half, -stop, 2 * half, stop - start, 2.5)
    cr.set_source(g)
    cr.fill()
    cr.set_line_width(0.8)
    for k in range(11):
        y = -stop + 4 + k * 1.6
        cr.move_to(-half + 0.8, y)
        cr.line_to(half - 0.8, y)
        cr.set_source_rgba(0, 0, 0, 0.22 if k % 2 else 0.0)
        cr.stroke()
    cr.rectangle(-half, -start - 3.5, 2 * half, 1.0)
    cr.set_source_rgba(0, 0, 0, 0.35)
    cr.fill()
    cr.restore()


def _gimbal(cr, pivot):
    cx, cy = pivot
    cap = cairo.RadialGradient(cx - 3, cy - 3.5, 0.5, cx, cy, 9)
    cap.add_color_stop_rgb(0, 0.98, 0.98, 0.99)
    cap.add_color_stop_rgb(0.45, 0.62, 0.62, 0.65)
    cap.add_color_stop_rgb(1, 0.22, 0.22, 0.24)
    shapes.circle(cr, cx, cy, 9)
    cr.set_source(cap)
    cr.fill()
    shapes.circle(cr, cx, cy, 9)
    cr.set_source_rgba(0, 0, 0, 0.5)
    cr.set_line_width(0.7)
    cr.stroke()


def arm_layer(layout):
    """The moving arm in its reference pose, as straight-alpha RGBA floats."""
    layer = _tube(layout.pivot)
    surface = _to_surface(layer)
    cr = cairo.Context(surface)
    _, end = centre_line(layout.pivot)
    _counterweight(cr, layout.pivot, end)
    _gimbal(cr, layout.pivot)
    out = pixels.rgba(surface).astype(np.float64)
    out[:, :, 3] /= 255
    _step_pattern(out)
    _head(out, (FULL.canvas.x, FULL.canvas.y))
    return out


def paint_base(cr, pivot):
    """The round bearing housing under the arm; it does not turn."""
    cx, cy = pivot

    def plate(c):
        shapes.circle(c, cx, cy, 25)

    shapes.drop_shadow(cr, plate, offset=(2.0, 2.6), blur=2.5, alpha=0.6)
    plate(cr)
    cr.set_source(shapes.lit_from_upper_left(cx - 25, cy - 25, cx + 25, cy + 25,
                                             (0.24, 0.24, 0.26),
                                             (0.10, 0.10, 0.11)))
    cr.fill()
    shapes.raised_edge(cr, plate, 1.0)
    shapes.circle(cr, cx, cy, 20.5)
    cr.set_source_rgba(1, 1, 1, 0.12)
    cr.set_line_width(0.8)
    cr.stroke()
    for k in range(24):
        a = 2 * math.pi * k / 24
        r0 = 17.5 if k % 6 else 16.0
        cr.move_to(cx + r0 * math.cos(a), cy + r0 * math.sin(a))
        cr.line_to(cx + 19.5 * math.cos(a), cy + 19.5 * math.sin(a))
    cr.set_source_rgba(1, 1, 1, 0.25)
    cr.set_line_width(0.6)
    cr.stroke()
    shapes.circle(cr, cx, cy, 13.5)
    cr.set_source(shapes.lit_from_upper_left(cx - 12, cy - 12, cx + 12, cy + 12,
                                             (0.70, 0.70, 0.72),
                                             (0.22, 0.22, 0.24)))
    cr.fill()
    shapes.circle(cr, cx, cy, 10.5)
    cr.set_source_rgb(0.05, 0.05, 0.06)
    cr.fill()


def _posed(layer, layout, swing):
    """The layer turned by `swing` degrees clockwise about the pivot."""
    if swing == 0:
        return layer
    src = _to_surface(layer)
    dst = pixels.clear_surface(WIDTH, DECK_HEIGHT)
    cr = cairo.Context(dst)
    cr.translate(*layout.pivot)
    cr.rotate(math.radians(swing))
    cr.translate(-layout.pivot[0], -layout.pivot[1])
    cr.set_source_surface(src, 0, 0)
    cr.get_source().set_filter(cairo.FILTER_BILINEAR)
    cr.paint()
    out = pixels.rgba(dst).astype(np.float64)
    out[:, :, 3] /= 255
    return out


def _shadow(alpha, layout, offset=(4, 5), blur=2):
    """The arm's soft shadow on what lies under it. In the full build the
    turning record covers whatever the skin paints on it, so no shadow is
    painted there: the frame would lose it."""
    s = np.roll(np.roll(alpha, offset[1], axis=0), offset[0], axis=1)
    for axis in (0, 1, 0, 1):
        s = pixels.box_blur(s, blur, axis)
    if layout.name == "full":
        y, x = np.mgrid[0:DECK_HEIGHT, 0:WIDTH] + 0.5
        r = np.hypot(x - layout.centre[0], y - layout.centre[1])
        s *= np.clip(r - (layout.record_radius + 1.5), 0, 1)
    return s * 0.5


_layers = {}


def paint(cr, layout, state):
    paint_base(cr, layout.pivot)
    if layout.name not in _layers:
        _layers[layout.name] = arm_layer(layout)
    layer = _posed(_layers[layout.name], layout, state.arm_swing)
    shadow = np.zeros_like(layer)
    shadow[:, :, 3] = _shadow(layer[:, :, 3], layout)
    for part in (shadow, layer):
        cr.set_source_surface(_to_surface(part), 0, 0)
        cr.paint()
