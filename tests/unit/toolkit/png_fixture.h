#pragma once
// PNG files made in memory with libpng's writer, for the decoder's tests.
#include <vector>

struct PngPicture {
  int width = 1;
  int height = 1;
  int colourType = 2;  // PNG_COLOR_TYPE_RGB
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<unsigned char> rows;     // packed rows as the format lays them out
  std::vector<unsigned char> palette;  // red, green, blue triples
};

std::vector<unsigned char> encodePng(const PngPicture& picture);
