// The settings file: parsing, the two writes of a shutdown and the rewrite.
// Input: the file's bytes, then optionally three zero bytes and
// "key\0value\0key\0value" for the writes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "toolkit/pref_session.h"
#include "toolkit/pref_temporary.h"

// Global, where lookup from std::vector's comparison finds it.
static bool operator==(const PrefEntry& a, const PrefEntry& b) {
  return a.kind == b.kind && a.name == b.name && a.value == b.value;
}

namespace {

struct Write {
  std::string key;
  std::string value;
};

std::vector<Write> writesFrom(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = 0; at <= text.size() && parts.size() < 4; ++at) {
    if (at == text.size() || text[at] == '\0') {
      parts.emplace_back(text.substr(start, at - start));
      start = at + 1;
    }
  }
  parts.resize(4);
  return {{parts[0], parts[1]}, {parts[2], parts[3]}};
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The first key of the top section that a write of `key` replaces, or the size.
std::size_t replacedBy(const PrefDocument& document, const std::string& key) {
  const std::string fileKey = document.utf8 ? bytesToUtf8(key) : key;
  for (std::size_t at = 0; at < document.entries.size(); ++at) {
    const PrefEntry& entry = document.entries[at];
    if (entry.kind == PrefEntryKind::kGroup) break;
    if (entry.kind == PrefEntryKind::kKey && prefKeysEqual(entry.name, fileKey)) return at;
  }
  return document.entries.size();
}

// The entries without the first top-section key of each written key.
std::vector<PrefEntry> untouched(PrefDocument document, const std::vector<Write>& writes) {
  for (const Write& write : writes) {
    const std::size_t at = replacedBy(document, write.key);
    if (at < document.entries.size()) document.entries.erase(document.entries.begin() + at);
  }
  return document.entries;
}

// Reading what was written gives it back: parse, render and parse again
// change nothing.
void checkFixedPoint(const PrefDocument& document) {
  const std::string rendered = renderPrefText(document);
  const PrefDocument again = parsePrefText(rendered);
  check(again.utf8 == document.utf8);
  check(again.entries == document.entries);
  check(renderPrefText(again) == rendered);
}

void checkWrites(std::string_view file, const std::vector<Write>& writes) {
  PrefSession session;
  session.mode = PrefFileMode::kReadWrite;
  loadPrefBytes(session, file);
  check(!prefRewrite(session));  // nothing written: the file is left alone
  const PrefDocument before = session.document;
  std::vector<Write> held;
  for (const Write& write : writes) {
    writePrefValue(session, write.key, write.value);
    if (prefLineHolds(write.key, write.value)) held.push_back(write);
  }
  const auto bytes = prefRewrite(session);
  check(bytes.has_value() == !held.empty());
  if (!bytes) return;
  const PrefDocument after = parsePrefText(*bytes);
  check(after.utf8 == before.utf8);
  for (std::size_t i = 0; i < held.size(); ++i) {
    const bool overwritten = i + 1 < held.size() && prefKeysEqual(held[i].key, held[i + 1].key);
    if (overwritten) continue;
    check(findPrefValue(after, held[i].key) == std::string(trimmed(held[i].value)));
  }
  check(untouched(after, held) == untouched(before, held));
}

void checkTemporaryName(std::string_view name, std::uint32_t id) {
  check(isPrefTemporaryName(name, prefTemporaryName(name, id)) == !name.empty());
  check(!isPrefTemporaryName(name, name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find(std::string_view("\0\0\0", 3));
  const std::string_view file = input.substr(0, split);
  checkFixedPoint(parsePrefText(file));
  if (split == std::string_view::npos) return 0;
  const std::vector<Write> writes = writesFrom(input.substr(split + 3));
  checkWrites(file, writes);
  checkTemporaryName(writes[0].key, static_cast<std::uint32_t>(size * 2654435761u));
  return 0;
}
