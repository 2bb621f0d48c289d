#pragma once
// The part of the full build's tonearm head that lies over the platter, as
// filled boxes in canvas coordinates, drawn in order after the record.
#include <span>

struct HeadshellBox {
  int x;
  int top;
  int width;
  int height;
  int colour;
};

std::span<const HeadshellBox> HeadshellBoxes();
// Fills every box onto the current drawing target.
void DrawHeadshell();
