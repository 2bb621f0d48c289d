"""The tonearm's head over the platter, as the fixed boxes the renderer repaints.

The boxes are read from the same table the C++ renderer includes, so the skin
and the per-frame overlay can never drift apart.
"""
import os
import re

RUNS_FILE = os.path.join(os.path.dirname(__file__), "..", "..", "display",
                         "headshell_runs.inc")

_RUN = re.compile(r"^HEADSHELL_RUN\(([^)]*)\)", re.MULTILINE)


def _sign(v):
    return (v > 0) - (v < 0)


def read_runs(path=RUNS_FILE):
    """Each run as a dict; the heights are listed box by box."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    runs = []
    for match in _RUN.finditer(text):
        v = [int(x) for x in match.group(1).split(",")]
        r, g, b, boxes, x0, x1, t0, t1, width = v[:9]
        heights = v[9:]
        if len(heights) != boxes:
            raise ValueError(f"run {len(runs) + 1}: {boxes} boxes, "
                             f"{len(heights)} heights")
        runs.append(dict(colour=(r, g, b), boxes=boxes, x=(x0, x1),
                         top=(t0, t1), width=width, heights=heights))
    return runs


def expand(runs):
    """Boxes (x, top, width, height, colour) in canvas pixels, drawing order."""
    boxes = []
    for run in runs:
        (x0, x1), (t0, t1) = run["x"], run["top"]
        dx, dt = _sign(x1 - x0), _sign(t1 - t0)
        for k, h in enumerate(run["heights"]):
            boxes.append((x0 + k * dx, t0 + k * dt, run["width"], h,
                          run["colour"]))
    return boxes


def paint(rgb, origin):
    """Paint the boxes into an H x W x 3 array, canvas (0, 0) at origin."""
    ox, oy = origin
    for x, top, w, h, colour in expand(read_runs()):
        rgb[oy + top:oy + top + h, ox + x:ox + x + w] = colour


def mask(shape, origin):
    """True where a box covers the array: those pixels are the overlay's."""
    import numpy as np
    m = np.zeros(shape[:2], bool)
    ox, oy = origin
    for x, top, w, h, _ in expand(read_runs()):
        m[oy + top:oy + top + h, ox + x:ox + x + w] = True
    return m
