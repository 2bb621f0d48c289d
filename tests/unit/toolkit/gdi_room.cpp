#include "gdi_room.h"

#include <windows.h>

#include <vector>

int gdiRoom() {
  std::vector<HBRUSH> brushes;
  while (brushes.size() < 100000) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (!brush) break;
    brushes.push_back(brush);
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
  return static_cast<int>(brushes.size());
}
