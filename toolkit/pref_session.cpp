#include "toolkit/pref_session.h"

// Out of memory while parsing: the file stays open with no entries, and is
// not rewritten, since that would lose the rest of it.
void loadPrefBytes(PrefSession& session, std::optional<std::string_view> bytes) {
  session.contentsKnown = bytes.has_value();
  session.document = PrefDocument();
  if (!bytes) return;
  try {
    session.document = parsePrefText(*bytes);
  } catch (...) {
    session.contentsKnown = false;
    session.document = PrefDocument();
  }
}

std::string readPrefValue(const PrefSession& session, const std::string& key,
                          const std::string& defaultValue) {
  try {
    if (session.mode == PrefFileMode::kClosed) return defaultValue;
    return findPrefValue(session.document, key).value_or(defaultValue);
  } catch (...) {
    return std::string();
  }
}

// Out of memory: the write is lost, the entries stay as they were.
void writePrefValue(PrefSession& session, std::string_view key, std::string_view value) {
  if (session.mode == PrefFileMode::kClosed) return;
  try {
    if (setPrefValue(session.document, key, value)) session.modified = true;
  } catch (...) {
  }
}

// A file that was opened for reading only, or whose bytes could not all be
// read, is left alone; a missing one is created.
std::optional<std::string> prefRewrite(const PrefSession& session) {
  if (!session.modified) return std::nullopt;
  const bool mayWrite = session.mode == PrefFileMode::kMissing ||
                        (session.mode == PrefFileMode::kReadWrite && session.contentsKnown);
  if (!mayWrite) return std::nullopt;
  try {
    return renderPrefText(session.document);
  } catch (...) {
    return std::nullopt;  // out of memory while rendering: the old file stays
  }
}
