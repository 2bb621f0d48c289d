// The names FindFirstFileA/FindNextFileA give for a pattern, in their order:
// what a folder scan must show, and the bare listing the benchmark compares to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline std::vector<std::string> ListedNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.emplace_back(entry.cFileName);
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}
