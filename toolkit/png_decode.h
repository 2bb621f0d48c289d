#pragma once
// PNG bytes in memory decoded row by row into memory the caller provides.
#include <cstddef>

struct PngShape {
  int width = 0;
  int height = 0;
  int channels = 0;  // 3 (blue, green, red) or 4 (blue, green, red, alpha)
};

// Gives the address of the top row and the distance between rows in bytes,
// or null to give up.
class PngRows {
 public:
  virtual unsigned char* rowsFor(const PngShape& shape, std::size_t& stride) = 0;

 protected:
  ~PngRows() = default;
};

// True when the whole picture was decoded into the rows.
bool decodePng(const void* data, std::size_t size, PngRows& rows);
