// A ByteReader that shows another reader's bytes with four of them replaced:
// a header field corrected without copying or changing the file.
#pragma once

#include <array>
#include <memory>

#include "audio/byte_reader.h"

class PatchedReader final : public ByteReader {
 public:
  PatchedReader(std::unique_ptr<ByteReader> inner, std::int64_t at,
                std::uint32_t littleEndianValue);

  std::size_t read(void* buffer, std::size_t count) override;
  bool seek(std::int64_t position) override { return inner_->seek(position); }
  std::int64_t tell() const override { return inner_->tell(); }
  std::int64_t size() const override { return inner_->size(); }

 private:
  std::unique_ptr<ByteReader> inner_;
  std::int64_t at_;
  std::array<unsigned char, 4> bytes_;
};
