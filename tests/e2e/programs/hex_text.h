#pragma once
// Texts as the probes print them: each byte of the Windows-1251 text as two
// hex digits, so any name survives the console (harness.py decodes them).
#include <cstdio>
#include <string>

inline std::string Hex(const std::string& text) {
  std::string out;
  char digits[3];
  for (unsigned char c : text) {
    std::snprintf(digits, sizeof digits, "%02x", c);
    out += digits;
  }
  return out;
}
