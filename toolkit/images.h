#pragma once
// Numbered images: decoded from PNG bytes in memory or created blank.
#include <windows.h>

#include <cstddef>

void enablePngDecoding();
// A PNG held in memory; RGB becomes a 24-bit image, RGBA a 32-bit one.
// 0 when the bytes are not a decodable PNG, and the number then names nothing.
HBITMAP decodeImage(int image, const void* data, std::size_t size);
// A blank black device-independent bitmap of the given depth.
HBITMAP newImage(int image, int width, int height, int depth);
// A blank black bitmap in the display's own format.
HBITMAP newScreenImage(int image, int width, int height);
HBITMAP imageHandle(int image);
int imageWidth(int image);
int imageHeight(int image);
