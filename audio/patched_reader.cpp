#include "audio/patched_reader.h"

PatchedReader::PatchedReader(std::unique_ptr<ByteReader> inner, std::int64_t at,
                             std::uint32_t value)
    : inner_(std::move(inner)), at_(at) {
  for (std::size_t i = 0; i < bytes_.size(); ++i)
    bytes_[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::size_t PatchedReader::read(void* buffer, std::size_t count) {
  const std::int64_t start = inner_->tell();
  const std::size_t got = inner_->read(buffer, count);
  auto* out = static_cast<unsigned char*>(buffer);
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    const std::int64_t inBuffer = at_ + static_cast<std::int64_t>(i) - start;
    if (inBuffer >= 0 && inBuffer < static_cast<std::int64_t>(got)) out[inBuffer] = bytes_[i];
  }
  return got;
}
