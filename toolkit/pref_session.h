#pragma once
// What the one open settings file holds from its open to its close, and what
// the close writes back. Platform-free: pref_file_win.cpp opens, reads and
// replaces the file itself.
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/pref_parse.h"

enum class PrefFileMode { kClosed, kReadWrite, kReadOnly, kMissing };

struct PrefSession {
  PrefFileMode mode = PrefFileMode::kClosed;
  bool modified = false;
  bool contentsKnown = true;  // false when reading failed: a rewrite would lose the rest
  PrefDocument document;
};

// The file's bytes as read, or nothing when reading failed.
void loadPrefBytes(PrefSession& session, std::optional<std::string_view> bytes);
std::string readPrefValue(const PrefSession& session, const std::string& key,
                          const std::string& defaultValue);
// Ignored when the file is closed or the line could not be read back.
void writePrefValue(PrefSession& session, std::string_view key, std::string_view value);
// The bytes that replace the file at its close; nothing when it stays as it is.
std::optional<std::string> prefRewrite(const PrefSession& session);
