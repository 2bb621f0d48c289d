"""The PNG writer: what libpng reads back is exactly what was written."""
import cairo
import numpy as np
import pytest

import png_out
from pictures import header


def _decode(data, tmp_path):
    path = tmp_path / "p.png"
    path.write_bytes(data)
    surface = cairo.ImageSurface.create_from_png(str(path))
    h, w = surface.get_height(), surface.get_width()
    view = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8,
                      surface.get_data())[:, :w]
    return view[:, :, [2, 1, 0, 3]], header(str(path))


def _cases():
    rng = np.random.RandomState(3)
    y, x = np.mgrid[0:37, 0:53]
    ramp = np.stack([x * 4, y * 6, (x + y) * 2], axis=2) % 256
    yield "noise", rng.randint(0, 256, (19, 23, 3))
    yield "ramps", ramp                       # rows filtered by Sub and Paeth
    yield "columns", np.repeat(rng.randint(0, 256, (1, 31, 3)), 6, axis=0)  # Up
    yield "flat", np.full((5, 7, 3), 200)
    yield "one pixel", np.array([[[1, 2, 3]]])


@pytest.mark.parametrize("name, pixels", list(_cases()))
def test_rgb_round_trip(name, pixels, tmp_path):
    got, (w, h, depth, colour_type) = _decode(png_out.encode(pixels), tmp_path)
    assert (w, h, depth, colour_type) == (pixels.shape[1], pixels.shape[0], 8, 2)
    assert (got[:, :, :3] == pixels).all()
    assert (got[:, :, 3] == 255).all()


def test_rgba_round_trip(tmp_path):
    rng = np.random.RandomState(4)
    pixels = rng.randint(0, 256, (11, 9, 4))
    pixels[..., 3] = 255                      # cairo premultiplies the rest
    pixels[0, 0, 3] = 0
    pixels[0, 0, :3] = 0
    got, (_, _, _, colour_type) = _decode(png_out.encode(pixels), tmp_path)
    assert colour_type == 6
    assert (got == pixels).all()


def test_same_pixels_same_bytes():
    a = np.random.RandomState(5).randint(0, 256, (8, 8, 3))
    assert png_out.encode(a) == png_out.encode(a.copy())
    b = a.copy()
    b[4, 4, 1] ^= 1
    assert png_out.encode(a) != png_out.encode(b)
