#include "toolkit/text.h"

#include <cstddef>
#include <cstdint>

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The value of one digit in the base, or -1 when it is not one.
int digitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Digits beyond what 64 bits hold keep the largest magnitude: a huge number
// stays at the edge instead of wrapping onto some small one.
std::uint64_t readDigits(const std::string& text, std::size_t at, int base) {
  constexpr std::uint64_t kLargest = UINT64_MAX;
  const auto radix = static_cast<std::uint64_t>(base);
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    int digit = digitValue(text[at], base);
    if (digit < 0) break;
    const auto d = static_cast<std::uint64_t>(digit);
    value = value > (kLargest - d) / radix ? kLargest : value * radix + d;
  }
  return value;
}

// The magnitude held to what a signed 64-bit value can be: one more for the
// negative side.
std::int64_t signedValue(std::uint64_t magnitude, bool negative) {
  constexpr auto kMostPositive = static_cast<std::uint64_t>(INT64_MAX);
  if (!negative)
    return magnitude > kMostPositive ? INT64_MAX : static_cast<std::int64_t>(magnitude);
  if (magnitude > kMostPositive) return INT64_MIN;
  return -static_cast<std::int64_t>(magnitude);
}

// Where the path proper begins and ends: a leading quote is skipped, and
// with it the path ends at the next quote.
void unquotedRange(const std::string& path, std::size_t& begin, std::size_t& end) {
  begin = 0;
  end = path.size();
  if (path.empty() || path[0] != '"') return;
  begin = 1;
  std::size_t closing = path.find('"', 1);
  if (closing != std::string::npos) end = closing;
}

}  // namespace

int textEquals(const std::string& a, const std::string& b) { return a == b ? 1 : 0; }

std::string rightChars(const std::string& text, int n) {
  if (n <= 0) return std::string();
  std::size_t count = static_cast<std::size_t>(n);
  if (count >= text.size()) return text;
  return text.substr(text.size() - count);
}

// Bytes above 127 are left alone: what is a capital there depends on the
// code page.
std::string lowerCase(const std::string& text) {
  std::string lowered = text;
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

std::string decimalText(std::int64_t value) { return std::to_string(value); }

std::string padLeft(const std::string& text, int width, const std::string& pad) {
  if (width <= 0) return std::string();
  std::size_t size = static_cast<std::size_t>(width);
  if (text.size() >= size) return text.substr(0, size);
  char fill = pad.empty() ? ' ' : pad[0];
  return std::string(size - text.size(), fill) + text;
}

std::int64_t parseInteger(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int base = 10;
  char marker = at < text.size() ? text[at] : '\0';
  if (marker == '$' || marker == '%') {
    base = marker == '$' ? 16 : 2;
    ++at;
  }
  return signedValue(readDigits(text, at, base), negative);
}

std::int64_t minutesPart(std::int64_t seconds) { return seconds < 0 ? 0 : seconds / 60 % 60; }

std::int64_t secondsPart(std::int64_t seconds) { return seconds < 0 ? 0 : seconds % 60; }

std::string filePart(const std::string& path) {
  std::size_t begin = 0, end = 0;
  unquotedRange(path, begin, end);
  std::size_t start = begin;
  for (std::size_t at = begin; at < end; ++at)
    if (isSeparator(path[at])) start = at + 1;
  return path.substr(start, end - start);
}

// Only a leading quote is skipped here. No file name holds a "|", so the
// scan for the last separator ends at the first one.
std::string folderPart(const std::string& path) {
  std::size_t begin = path.empty() || path[0] != '"' ? 0 : 1;
  std::size_t end = path.find('|', begin);
  if (end == std::string::npos) end = path.size();
  std::size_t last = std::string::npos;
  for (std::size_t at = begin; at < end; ++at)
    if (isSeparator(path[at])) last = at;
  if (last == std::string::npos) return std::string();
  return path.substr(begin, last + 1 - begin);
}
