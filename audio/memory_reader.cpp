#include "audio/memory_reader.h"

#include <cstring>

MemoryReader::MemoryReader(const void* bytes, std::size_t size)
    : bytes_(static_cast<const unsigned char*>(bytes)), size_(bytes ? size : 0) {}

std::size_t MemoryReader::read(void* buffer, std::size_t count) {
  const std::size_t left = size_ - static_cast<std::size_t>(position_);
  const std::size_t n = count < left ? count : left;
  if (n > 0) std::memcpy(buffer, bytes_ + position_, n);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

bool MemoryReader::seek(std::int64_t position) {
  if (position < 0 || position > size()) return false;
  position_ = position;
  return true;
}
