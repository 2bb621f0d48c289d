// A ByteReader over one stretch of another reader's bytes.
#pragma once

#include <memory>

#include "audio/byte_reader.h"

class ByteWindow final : public ByteReader {
 public:
  // The bytes [offset, offset + length) of inner, cut to what inner holds.
  ByteWindow(std::unique_ptr<ByteReader> inner, std::int64_t offset, std::int64_t length);

  std::size_t read(void* buffer, std::size_t count) override;
  bool seek(std::int64_t position) override;
  std::int64_t tell() const override { return position_; }
  std::int64_t size() const override { return size_; }

 private:
  std::unique_ptr<ByteReader> inner_;
  std::int64_t offset_;
  std::int64_t size_;
  std::int64_t position_ = 0;
};
