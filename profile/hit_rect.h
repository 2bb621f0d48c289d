#pragma once
// A control of the skin: a fixed rectangle of the client area. Platform-free.

// Both bounds are inclusive. A cursor outside the client area reads as -1,
// which no rectangle of the skin contains.
struct HitRect {
  int left, top, right, bottom;

  constexpr bool Contains(int x, int y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
  }
};
