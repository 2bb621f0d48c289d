// A ByteReader over a window of a file opened by its ANSI path.
#pragma once

#include <memory>

#include "audio/buffered_reader.h"

class AnsiFile final : public BufferedReader {
 public:
  // The bytes from offset on, length of them (0: to the end); nothing on failure.
  static std::unique_ptr<AnsiFile> Open(const char* path, std::int64_t offset, std::int64_t length);
  ~AnsiFile() override;
  AnsiFile(const AnsiFile&) = delete;
  AnsiFile& operator=(const AnsiFile&) = delete;

 private:
  AnsiFile(void* file, std::int64_t offset, std::int64_t size);
  std::size_t readBlock(std::int64_t position, void* buffer, std::size_t count) override;

  void* file_;
  std::int64_t offset_;
};
