// A ByteReader over a window of a file opened by its ANSI path.
#pragma once

#include "audio/byte_reader.h"

#include <memory>
#include <vector>

class AnsiFile final : public ByteReader {
 public:
  // The bytes from offset on, length of them (0: to the end); nothing on failure.
  static std::unique_ptr<AnsiFile> Open(const char* path, std::int64_t offset, std::int64_t length);
  ~AnsiFile() override;
  AnsiFile(const AnsiFile&) = delete;
  AnsiFile& operator=(const AnsiFile&) = delete;

  std::size_t read(void* buffer, std::size_t count) override;
  bool seek(std::int64_t position) override;
  std::int64_t tell() const override { return position_; }
  std::int64_t size() const override { return size_; }

 private:
  AnsiFile(void* file, std::int64_t offset, std::int64_t size);
  bool fill();

  void* file_;
  std::int64_t offset_;
  std::int64_t size_;
  std::int64_t position_ = 0;
  std::vector<unsigned char> buffer_;
  std::int64_t bufferStart_ = 0;
  std::size_t bufferFill_ = 0;
};
