#include "toolkit/pref_parse.h"

#include <cstddef>
#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kKeySeparator = " = ";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// A cursor over the bytes. The text's own length ends it, so a stray zero
// byte is kept as data rather than cutting off the rest of the file.
struct Scanner {
  std::string_view text;
  std::size_t at = 0;

  bool atEnd() const { return at >= text.size(); }
  char peek() const { return text[at]; }
  void skipWhile(bool (*test)(char)) {
    while (!atEnd() && test(peek())) ++at;
  }
  std::string_view takeUntil(bool (*stop)(char)) {
    std::size_t start = at;
    while (!atEnd() && !stop(peek())) ++at;
    return text.substr(start, at - start);
  }
};

bool endsGroupName(char c) { return c == ']' || isLineEnd(c); }
bool endsKey(char c) { return c == '=' || isLineEnd(c); }

std::string_view trimEndBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return trimEndBlanks(text);
}

PrefEntry readComment(Scanner& scan) {
  ++scan.at;  // the ";"
  if (!scan.atEnd() && scan.peek() == ' ') ++scan.at;
  return {PrefEntryKind::kComment, std::string(scan.takeUntil(isLineEnd)), {}};
}

PrefEntry readGroup(Scanner& scan) {
  ++scan.at;  // the "["
  PrefEntry entry{PrefEntryKind::kGroup, std::string(scan.takeUntil(endsGroupName)), {}};
  scan.takeUntil(isLineEnd);
  return entry;
}

PrefEntry readKey(Scanner& scan) {
  PrefEntry entry{PrefEntryKind::kKey, std::string(trimEndBlanks(scan.takeUntil(endsKey))), {}};
  if (!scan.atEnd() && scan.peek() == '=') {
    ++scan.at;
    scan.skipWhile(isBlank);
    entry.value = std::string(scan.takeUntil(isLineEnd));
  }
  return entry;
}

// One line from the current position; false when only blanks were left.
bool readLine(Scanner& scan, PrefEntry& entry) {
  scan.skipWhile(isBlank);
  if (scan.atEnd() || isLineEnd(scan.peek())) return false;
  if (scan.peek() == ';') {
    entry = readComment(scan);
  } else if (scan.peek() == '[') {
    entry = readGroup(scan);
  } else {
    entry = readKey(scan);
  }
  return true;
}

std::size_t renderedLength(const PrefEntry& entry) {
  switch (entry.kind) {
    case PrefEntryKind::kGroup:
    case PrefEntryKind::kComment: return entry.name.size() + 2;  // "[" "]" or "; "
    case PrefEntryKind::kKey: return entry.name.size() + kKeySeparator.size() + entry.value.size();
  }
  return 0;
}

void renderEntry(const PrefEntry& entry, std::string& out) {
  switch (entry.kind) {
    case PrefEntryKind::kGroup: out.append("[").append(entry.name).append("]"); break;
    case PrefEntryKind::kComment: out.append("; ").append(entry.name); break;
    case PrefEntryKind::kKey:
      out.append(entry.name).append(kKeySeparator).append(entry.value);
      break;
  }
  out.append(kLineEnd);
}

// Index of the first key of the top section equal to `key`, or of the first
// group line (or the end) when there is none.
std::size_t findInTopSection(const std::vector<PrefEntry>& entries, std::string_view key) {
  std::size_t at = 0;
  for (; at < entries.size() && entries[at].kind != PrefEntryKind::kGroup; ++at) {
    if (entries[at].kind == PrefEntryKind::kKey && prefKeysEqual(entries[at].name, key)) break;
  }
  return at;
}

bool isKeyAt(const std::vector<PrefEntry>& entries, std::size_t at) {
  return at < entries.size() && entries[at].kind == PrefEntryKind::kKey;
}

}  // namespace

PrefDocument parsePrefText(std::string_view bytes) {
  PrefDocument document;
  if (bytes.starts_with(kByteOrderMark)) {
    document.utf8 = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  Scanner scan{bytes};
  while (!scan.atEnd()) {
    PrefEntry entry;
    if (readLine(scan, entry)) document.entries.push_back(std::move(entry));
    scan.skipWhile(isLineEnd);
  }
  return document;
}

// A key whose name starts with the mark's bytes, as the first line of a file
// without the mark, would turn the file into UTF-8 at its next reading. An
// empty line in front keeps those bytes away from the start; reading skips it.
bool needsLeadingLine(const PrefDocument& document) {
  return !document.utf8 && !document.entries.empty() &&
         document.entries.front().kind == PrefEntryKind::kKey &&
         document.entries.front().name.starts_with(kByteOrderMark);
}

std::string renderPrefText(const PrefDocument& document) {
  const bool leadingLine = needsLeadingLine(document);
  std::size_t total = document.utf8 ? kByteOrderMark.size() + kLineEnd.size() : 0;
  if (leadingLine) total += kLineEnd.size();
  for (const PrefEntry& entry : document.entries) total += renderedLength(entry) + kLineEnd.size();
  std::string out;
  out.reserve(total);
  if (document.utf8) out.append(kByteOrderMark).append(kLineEnd);
  if (leadingLine) out.append(kLineEnd);
  for (const PrefEntry& entry : document.entries) renderEntry(entry, out);
  return out;
}

bool prefKeysEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::optional<std::string> findPrefValue(const PrefDocument& document, std::string_view key) {
  std::string fileKey = document.utf8 ? bytesToUtf8(key) : std::string(key);
  std::size_t at = findInTopSection(document.entries, fileKey);
  if (!isKeyAt(document.entries, at)) return std::nullopt;
  std::string_view value = trimBlanks(document.entries[at].value);
  if (!document.utf8) return std::string(value);
  return utf8ToBytes(value).value_or(std::string());
}

// Reading skips blanks before a key and drops them after it, takes a key up
// to the first "=", and ends every line at CR or LF; a ";" or "[" in front
// makes a comment or a group instead.
bool prefLineHolds(std::string_view key, std::string_view value) {
  auto endsLine = [](std::string_view text) {
    return text.find_first_of(kLineEnd) != std::string_view::npos;
  };
  if (endsLine(key) || endsLine(value) || key.find('=') != std::string_view::npos) return false;
  if (key.empty()) return true;
  return !isBlank(key.front()) && !isBlank(key.back()) && key.front() != ';' && key.front() != '[';
}

bool setPrefValue(PrefDocument& document, std::string_view key, std::string_view value) {
  if (!prefLineHolds(key, value)) return false;
  std::string fileKey = document.utf8 ? bytesToUtf8(key) : std::string(key);
  std::string fileValue = document.utf8 ? bytesToUtf8(value) : std::string(value);
  std::size_t at = findInTopSection(document.entries, fileKey);
  if (isKeyAt(document.entries, at)) {
    document.entries[at].name = std::move(fileKey);
    document.entries[at].value = std::move(fileValue);
    return true;
  }
  PrefEntry entry{PrefEntryKind::kKey, std::move(fileKey), std::move(fileValue)};
  document.entries.insert(document.entries.begin() + static_cast<std::ptrdiff_t>(at),
                          std::move(entry));
  return true;
}

std::string bytesToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

// U+0080 to U+00FF take exactly the lead bytes C2 and C3; every other
// non-ASCII lead is either an overlong form (C0, C1), a character above
// U+00FF, or not a lead byte at all.
std::optional<std::string> utf8ToBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(text[i]);
      continue;
    }
    if (lead != 0xC2 && lead != 0xC3) return std::nullopt;
    if (i + 1 >= text.size()) return std::nullopt;
    auto trail = static_cast<unsigned char>(text[++i]);
    if ((trail & 0xC0) != 0x80) return std::nullopt;
    out.push_back(static_cast<char>(((lead & 0x03) << 6) | (trail & 0x3F)));
  }
  return out;
}
