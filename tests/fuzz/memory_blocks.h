// The library's buffered reader over the fuzzer's bytes. Blocks come in odd,
// short pieces, so the paths for a source that delivers less than asked run too.
#pragma once

#include <algorithm>
#include <cstring>

#include "audio/buffered_reader.h"

class MemoryBlocks final : public BufferedReader {
 public:
  MemoryBlocks(const unsigned char* data, std::size_t size)
      : BufferedReader(static_cast<std::int64_t>(size)), data_(data), size_(size) {}

 private:
  static constexpr std::size_t kLargestPiece = 4099;

  std::size_t readBlock(std::int64_t position, void* buffer, std::size_t count) override {
    const auto at = static_cast<std::size_t>(position);
    if (at >= size_) return 0;
    const std::size_t n = std::min({count, size_ - at, kLargestPiece});
    std::memcpy(buffer, data_ + at, n);
    return n;
  }

  const unsigned char* data_;
  std::size_t size_;
};
