#pragma once
// The settings file's text: parsing bytes into entries, looking keys up in
// the top section, changing them, and rendering the entries back to bytes.
// Platform-free.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class PrefEntryKind { kGroup, kComment, kKey };

// A group keeps its name and a comment its text in `name`; only a key has a value.
struct PrefEntry {
  PrefEntryKind kind = PrefEntryKind::kKey;
  std::string name;
  std::string value;
};

struct PrefDocument {
  bool utf8 = false;  // the bytes began with the UTF-8 byte-order mark
  std::vector<PrefEntry> entries;
};

// The byte-order mark counts only as the first three bytes of the file.
PrefDocument parsePrefText(std::string_view bytes);
// Every entry ends with CR LF; UTF-8 mode starts with the mark and CR LF.
// Outside UTF-8 mode the text never starts with the mark: parsing the result
// gives the same document back.
std::string renderPrefText(const PrefDocument& document);

// ASCII letters compare without regard to case; every other byte exactly.
bool prefKeysEqual(std::string_view a, std::string_view b);
// Value of the first matching key of the top section, blanks trimmed and,
// in UTF-8 mode, converted back to bytes (empty when that fails).
std::optional<std::string> findPrefValue(const PrefDocument& document, std::string_view key);
// Whether a key line with this key and value reads back as the same key and
// the same value (its leading blanks aside).
bool prefLineHolds(std::string_view key, std::string_view value);
// Replaces the first matching key of the top section, or adds the key as the
// top section's last line. False, and nothing changed, when the line would
// not read back (see prefLineHolds).
bool setPrefValue(PrefDocument& document, std::string_view key, std::string_view value);

// Each byte taken as the character U+0000 to U+00FF.
std::string bytesToUtf8(std::string_view bytes);
// Empty result when the text is not UTF-8 or holds a character above U+00FF.
std::optional<std::string> utf8ToBytes(std::string_view text);
