// The byte source every decoder reads from: a file or a caller's memory.
#pragma once

#include <cstddef>
#include <cstdint>

class ByteReader {
 public:
  virtual ~ByteReader() = default;
  // Bytes copied into buffer; fewer than asked only at the end or on an error.
  virtual std::size_t read(void* buffer, std::size_t count) = 0;
  virtual bool seek(std::int64_t position) = 0;
  virtual std::int64_t tell() const = 0;
  virtual std::int64_t size() const = 0;
};
