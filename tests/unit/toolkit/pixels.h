#pragma once
// Reads images back through GetDIBits, as red + green * 256 + blue * 65536.
#include <windows.h>

#include <vector>

// Every pixel of the bitmap, rows top to bottom; empty when it cannot be read.
inline std::vector<int> readPixels(HBITMAP bitmap) {
  BITMAP shape{};
  if (!GetObject(bitmap, sizeof(shape), &shape)) return {};
  int width = shape.bmWidth, height = shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> raw(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  int lines = GetDIBits(screen, bitmap, 0, height, raw.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != height) return {};
  std::vector<int> pixels;
  for (DWORD bgr : raw) {
    DWORD red = (bgr >> 16) & 0xFF, green = (bgr >> 8) & 0xFF, blue = bgr & 0xFF;
    pixels.push_back(static_cast<int>(red | green << 8 | blue << 16));
  }
  return pixels;
}

inline int bitsPerPixel(HBITMAP bitmap) {
  BITMAP shape{};
  return GetObject(bitmap, sizeof(shape), &shape) ? shape.bmBitsPixel : 0;
}
