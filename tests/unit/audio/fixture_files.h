// The fixtures make_fixtures.sh wrote beside the test program, opened as the
// library opens files.
#pragma once

#include <string>
#include <vector>

#include "audio/ansi_file.h"

inline std::string FixturePath(const std::string& name) { return "fixtures/" + name; }

inline std::vector<unsigned char> ReadFixture(const std::string& name) {
  auto file = AnsiFile::Open(FixturePath(name).c_str(), 0, 0);
  std::vector<unsigned char> bytes(file ? static_cast<std::size_t>(file->size()) : 0);
  if (file) file->read(bytes.data(), bytes.size());
  return bytes;
}
