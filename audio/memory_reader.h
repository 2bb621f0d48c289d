// A ByteReader over bytes the caller keeps alive for the stream's lifetime.
#pragma once

#include "audio/byte_reader.h"

class MemoryReader final : public ByteReader {
 public:
  MemoryReader(const void* bytes, std::size_t size);
  std::size_t read(void* buffer, std::size_t count) override;
  bool seek(std::int64_t position) override;
  std::int64_t tell() const override { return position_; }
  std::int64_t size() const override { return static_cast<std::int64_t>(size_); }

 private:
  const unsigned char* bytes_;
  std::size_t size_;
  std::int64_t position_ = 0;
};
