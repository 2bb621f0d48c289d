#pragma once
// The bytes of one picture file compiled into the program.
#include <cstddef>

struct EmbeddedPicture {
  const unsigned char* data;
  std::size_t size;
};
