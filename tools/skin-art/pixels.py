"""Moving pictures between cairo surfaces and numpy arrays, and seeded noise."""
import cairo
import numpy as np


def opaque_surface(w, h):
    return cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)


def clear_surface(w, h):
    return cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)


def _view(surface):
    surface.flush()
    h, stride = surface.get_height(), surface.get_stride()
    buf = np.ndarray((h, stride // 4, 4), np.uint8, surface.get_data())
    return buf[:, :surface.get_width()]


def rgb(surface):
    """H x W x 3 copy; cairo keeps pixels as B, G, R, X in memory."""
    return _view(surface)[:, :, 2::-1].copy()


def rgba(surface):
    """H x W x 4 copy with the premultiplied colour divided back out."""
    v = _view(surface).astype(np.float64)
    a = v[:, :, 3:4]
    colour = np.where(a > 0, v[:, :, 2::-1] * 255.0 / np.maximum(a, 1), 0)
    out = np.concatenate([colour, a], axis=2)
    return np.clip(np.rint(out), 0, 255).astype(np.uint8)


def surface_from_premultiplied(rgba):
    """An ARGB surface from an H x W x 4 premultiplied float array."""
    h, w, _ = rgba.shape
    surface = clear_surface(w, h)
    view = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8,
                      surface.get_data())[:, :w]
    v = np.clip(np.rint(rgba), 0, 255).astype(np.uint8)
    view[:, :, 0], view[:, :, 1], view[:, :, 2] = v[..., 2], v[..., 1], v[..., 0]
    view[:, :, 3] = v[..., 3]
    surface.mark_dirty()
    return surface


def store_rgb(surface, pixels):
    """Write an H x W x 3 array back into an opaque surface."""
    v = _view(surface)
    v[:, :, 2::-1] = np.clip(np.rint(pixels), 0, 255).astype(np.uint8)
    v[:, :, 3] = 255
    surface.mark_dirty()


def noise(shape, seed):
    """Gaussian noise that is the same on every run and every machine
    (RandomState's stream is frozen by numpy)."""
    return np.random.RandomState(seed).standard_normal(shape)


def box_blur(a, radius, axis):
    """Running mean along one axis, wrapping at the ends."""
    acc = np.zeros_like(a)
    for d in range(-radius, radius + 1):
        acc += np.roll(a, d, axis=axis)
    return acc / (2 * radius + 1)
