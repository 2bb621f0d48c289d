#include "toolkit/wide_text.h"

#include <windows.h>

// The byte count is given, so a zero byte inside the text is converted too;
// std::wstring keeps the terminating zero after the last character.
std::wstring wideText(const std::string& text) {
  if (text.empty()) return std::wstring();
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}
