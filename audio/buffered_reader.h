// A ByteReader that reads its source in large blocks and serves small reads
// from the block in memory. Platform-free: a subclass says how a block is read.
#pragma once

#include <vector>

#include "audio/byte_reader.h"

class BufferedReader : public ByteReader {
 public:
  std::size_t read(void* buffer, std::size_t count) override;
  bool seek(std::int64_t position) override;
  std::int64_t tell() const override { return position_; }
  std::int64_t size() const override { return size_; }

 protected:
  // size: the bytes the source holds from position 0 on.
  explicit BufferedReader(std::int64_t size);
  ~BufferedReader() override = default;
  // Bytes copied from the source at position; 0 at the end or on an error.
  virtual std::size_t readBlock(std::int64_t position, void* buffer, std::size_t count) = 0;

 private:
  bool fill();

  std::int64_t size_;
  std::int64_t position_ = 0;
  std::vector<unsigned char> buffer_;
  std::int64_t bufferStart_ = 0;
  std::size_t bufferFill_ = 0;
};
