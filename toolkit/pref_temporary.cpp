#include "toolkit/pref_temporary.h"

#include "toolkit/pref_parse.h"

namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kMostIdDigits = 8;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

std::string prefTemporaryName(std::string_view fileName, std::uint32_t id) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[id & 0xF]);
    id >>= 4;
  } while (id != 0);
  return std::string(fileName) + "." + hex + std::string(kSuffix);
}

// Only the exact shape counts: the file's name, a dot, one to eight lower-case
// hex digits, ".tmp". Anything else in the folder is not ours.
bool isPrefTemporaryName(std::string_view fileName, std::string_view candidate) {
  if (fileName.empty() || candidate.size() <= fileName.size() + 1 + kSuffix.size()) return false;
  // File names compare without regard to the case of ASCII letters, as the
  // file system does, and byte for byte otherwise, as settings keys do.
  if (!prefKeysEqual(candidate.substr(0, fileName.size()), fileName)) return false;
  if (candidate[fileName.size()] != '.' || !candidate.ends_with(kSuffix)) return false;
  const std::string_view id = candidate.substr(
      fileName.size() + 1, candidate.size() - fileName.size() - 1 - kSuffix.size());
  if (id.empty() || id.size() > kMostIdDigits) return false;
  for (char c : id)
    if (!isHexDigit(c)) return false;
  return true;
}
