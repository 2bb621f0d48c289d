#include "audio/ansi_file.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

std::int64_t FileSize(HANDLE file) {
  LARGE_INTEGER size;
  return GetFileSizeEx(file, &size) ? size.QuadPart : -1;
}

}  // namespace

// CreateFileA takes the path in the ANSI code page, as the program holds it,
// so names in code page 1251 open; a folder fails to open without
// FILE_FLAG_BACKUP_SEMANTICS, which is what we want. Sharing for writing and
// deleting lets a file still being written, or moved away, play on.
std::unique_ptr<AnsiFile> AnsiFile::Open(const char* path, std::int64_t offset,
                                         std::int64_t length) {
  if (!path || !*path || offset < 0 || length < 0) return nullptr;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  const std::int64_t total = FileSize(file);
  if (total < 0 || offset > total) {
    CloseHandle(file);
    return nullptr;
  }
  std::int64_t size = total - offset;
  if (length > 0 && length < size) size = length;
  return std::unique_ptr<AnsiFile>(new AnsiFile(file, offset, size));
}

AnsiFile::AnsiFile(void* file, std::int64_t offset, std::int64_t size)
    : file_(file), offset_(offset), size_(size), buffer_(kBufferSize) {}

AnsiFile::~AnsiFile() { CloseHandle(file_); }

bool AnsiFile::fill() {
  LARGE_INTEGER at;
  at.QuadPart = offset_ + position_;
  bufferStart_ = position_;
  bufferFill_ = 0;
  if (!SetFilePointerEx(file_, at, nullptr, FILE_BEGIN)) return false;
  const std::int64_t left = size_ - position_;
  const DWORD wanted = static_cast<DWORD>(left < static_cast<std::int64_t>(kBufferSize) ? left : kBufferSize);
  DWORD got = 0;
  if (!ReadFile(file_, buffer_.data(), wanted, &got, nullptr)) return false;
  bufferFill_ = got;
  return got > 0;
}

std::size_t AnsiFile::read(void* buffer, std::size_t count) {
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count && position_ < size_) {
    const std::int64_t inBuffer = position_ - bufferStart_;
    if (inBuffer < 0 || inBuffer >= static_cast<std::int64_t>(bufferFill_)) {
      if (!fill()) break;
      continue;
    }
    std::size_t n = bufferFill_ - static_cast<std::size_t>(inBuffer);
    if (n > count - done) n = count - done;
    std::memcpy(out + done, buffer_.data() + inBuffer, n);
    done += n;
    position_ += static_cast<std::int64_t>(n);
  }
  return done;
}

bool AnsiFile::seek(std::int64_t position) {
  if (position < 0 || position > size_) return false;
  position_ = position;
  return true;
}
