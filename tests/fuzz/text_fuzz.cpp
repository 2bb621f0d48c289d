// The text and number helpers on any bytes. The first four bytes choose the
// widths and counts; the rest is the text.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "toolkit/text.h"

namespace {

bool isDigitOf(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value >= 0 && value < base;
}

// The value the text spells, by the standard library's reading of the same
// digits: out of range means held at the edge.
std::int64_t expectedInteger(const std::string& text) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return 0;
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
  int base = 10;
  if (at < text.size() && (text[at] == '$' || text[at] == '%')) base = text[at++] == '$' ? 16 : 2;
  std::string digits = negative ? "-" : "";
  while (at < text.size() && isDigitOf(text[at], base)) digits += text[at++];
  if (digits.empty() || digits == "-") return 0;
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error == std::errc::result_out_of_range) return negative ? INT64_MIN : INT64_MAX;
  check(error == std::errc() && end == digits.data() + digits.size());
  return value;
}

void checkNumbers(const std::string& text, std::int64_t value) {
  check(parseInteger(text) == expectedInteger(text));
  check(parseInteger(decimalText(value)) == value);
  check(minutesPart(value) >= 0 && minutesPart(value) < 60);
  check(secondsPart(value) >= 0 && secondsPart(value) < 60);
}

void checkCuts(const std::string& text, int width, const std::string& pad) {
  const std::string padded = padLeft(text, width, pad);
  check(padded.size() == static_cast<std::size_t>(width < 0 ? 0 : width));
  const std::string right = rightChars(text, width);
  check(text.ends_with(right));
  check(right.size() == std::min<std::size_t>(text.size(), width < 0 ? 0 : width));
  const std::string lowered = lowerCase(text);
  check(lowered.size() == text.size() &&
        lowered.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos);
  check(textEquals(text, lowered) == (text == lowered ? 1 : 0));
}

void checkPathParts(const std::string& path) {
  const std::string file = filePart(path);
  check(path.find(file) != std::string::npos);
  check(file.find_first_of("\\/") == std::string::npos);
  const std::string folder = folderPart(path);
  const std::string unquoted = !path.empty() && path[0] == '"' ? path.substr(1) : path;
  check(unquoted.starts_with(folder));
  check(folder.empty() || folder.back() == '\\' || folder.back() == '/');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::int16_t width = 0;
  std::memcpy(&width, data, 2);
  std::int64_t value = 0;
  std::memcpy(&value, data, size < 8 ? 4 : 8);
  const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);
  const std::string pad(1, static_cast<char>(data[2]));
  checkNumbers(text, value);
  checkCuts(text, width % 512, data[3] & 1 ? pad : std::string());
  checkPathParts(text);
  return 0;
}
