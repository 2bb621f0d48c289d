#include "audio/ansi_file.h"

#include <windows.h>

namespace {

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
  HANDLE file =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
    : BufferedReader(size), file_(file), offset_(offset) {}

AnsiFile::~AnsiFile() { CloseHandle(file_); }

// The buffer is at most 64 KB, so a DWORD holds the count.
std::size_t AnsiFile::readBlock(std::int64_t position, void* buffer, std::size_t count) {
  LARGE_INTEGER at;
  at.QuadPart = offset_ + position;
  if (!SetFilePointerEx(file_, at, nullptr, FILE_BEGIN)) return 0;
  DWORD got = 0;
  if (!ReadFile(file_, buffer, static_cast<DWORD>(count), &got, nullptr)) return 0;
  return got;
}
