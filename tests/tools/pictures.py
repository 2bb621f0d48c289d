"""Reading the generated PNGs back for the tests."""
import struct
import zlib

import cairo
import numpy as np


def chunks(path):
    """(type, data) of every chunk; checks the signature and the CRCs."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, out = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert crc == zlib.crc32(kind + body) & 0xFFFFFFFF
        out.append((kind, body))
        pos += 12 + length
    return out


def header(path):
    """(width, height, bit depth, colour type) from IHDR."""
    kind, body = chunks(path)[0]
    assert kind == b"IHDR"
    return struct.unpack(">IIBB", body[:10])


def rgb(path):
    surface = cairo.ImageSurface.create_from_png(path)
    h, w = surface.get_height(), surface.get_width()
    view = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8,
                      surface.get_data())[:, :w]
    return view[:, :, 2::-1].astype(np.int16)


def alpha(path):
    surface = cairo.ImageSurface.create_from_png(path)
    h, w = surface.get_height(), surface.get_width()
    view = np.ndarray((h, surface.get_stride() // 4, 4), np.uint8,
                      surface.get_data())[:, :w]
    return view[:, :, 3].astype(np.int16)
