// The one open settings file: opening and reading it through Win32, and
// replacing it with its new contents at close.
#include <windows.h>

#include <string>

#include "toolkit/facilities.h"
#include "toolkit/pref_file.h"
#include "toolkit/pref_parse.h"
#include "toolkit/unique_handle.h"

namespace {

enum class PrefFileMode { kClosed, kReadWrite, kReadOnly, kMissing };

struct PrefFileState {
  PrefFileMode mode = PrefFileMode::kClosed;
  UniqueFile file;
  std::string path;  // full name, so a later change of directory cannot redirect the rewrite
  bool modified = false;
  bool contentsKnown = true;  // false when reading failed: a rewrite would lose the rest
  PrefDocument document;
};

PrefFileState state;

std::string fullPathOf(const std::string& name) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH) return name;
  return std::string(buffer, length);
}

std::string folderOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

UniqueFile openExisting(const std::string& path, DWORD access) {
  return UniqueFile(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Reads from the current position to the end; false when a read fails.
bool readWhole(HANDLE file, std::string& bytes) {
  char chunk[16384];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
    if (got == 0) return true;
    bytes.append(chunk, got);
  }
  return false;
}

void loadDocument() {
  try {
    std::string bytes;
    state.contentsKnown = readWhole(state.file.get(), bytes);
    if (state.contentsKnown) state.document = parsePrefText(bytes);
  } catch (...) {
    // Out of memory: the file stays open with no entries.
    state.contentsKnown = false;
    state.document = PrefDocument();
  }
}

// The new bytes go to a fresh file beside the old one and are on the disk
// before the rename, so a crash leaves either the old file or the new one.
bool writeTemporary(const std::string& temporary, const std::string& bytes) {
  UniqueFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (!bytes.empty() &&
      (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
       written != bytes.size())) {
    return false;
  }
  return FlushFileBuffers(file.get()) != 0;
}

// Windows denies write access to a file with FILE_ATTRIBUTE_READONLY and
// MoveFileEx will not replace it; Wine running as root allows both, so the
// attribute is checked here.
bool isReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void replaceFile(const std::string& path, const std::string& bytes) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(folderOf(path).c_str(), "prf", 0, temporary)) return;
  bool replaced =
      writeTemporary(temporary, bytes) && !isReadOnly(path) &&
      MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!replaced) DeleteFileA(temporary);
}

bool mayRewrite() {
  if (!state.modified) return false;
  if (state.mode == PrefFileMode::kMissing) return true;
  return state.mode == PrefFileMode::kReadWrite && state.contentsKnown;
}

}  // namespace

// A read-only file is opened for reading alone; its rewrite is refused at close.
int openPrefFile(const std::string& fileName) {
  closePrefFile();
  try {
    state.path = fullPathOf(fileName);
  } catch (...) {
    return 0;
  }
  state.mode = PrefFileMode::kReadWrite;
  if (!isReadOnly(state.path)) state.file = openExisting(state.path, GENERIC_READ | GENERIC_WRITE);
  if (!state.file) {
    state.mode = PrefFileMode::kReadOnly;
    state.file = openExisting(state.path, GENERIC_READ);
  }
  if (!state.file) {
    state.mode = PrefFileMode::kMissing;
    return 0;
  }
  loadDocument();
  return 1;
}

std::string readPrefString(const std::string& key, const std::string& defaultValue) {
  try {
    if (state.mode == PrefFileMode::kClosed) return defaultValue;
    return findPrefValue(state.document, key).value_or(defaultValue);
  } catch (...) {
    return std::string();
  }
}

void writePrefString(const std::string& key, const std::string& value) {
  if (state.mode == PrefFileMode::kClosed) return;
  try {
    setPrefValue(state.document, key, value);
    state.modified = true;
  } catch (...) {
    // Out of memory: the write is lost, the entries stay as they were.
  }
}

// The old file is closed before the rename: MoveFileEx cannot replace a file
// that is still open without FILE_SHARE_DELETE.
void closePrefFile() {
  if (state.mode == PrefFileMode::kClosed) return;
  bool rewrite = mayRewrite();
  state.file.reset();
  if (rewrite) {
    try {
      replaceFile(state.path, renderPrefText(state.document));
    } catch (...) {
      // Out of memory while rendering: the old file stays.
    }
  }
  state = PrefFileState();
}

void startPrefFile() { state = PrefFileState(); }

void releasePrefFile() { closePrefFile(); }
