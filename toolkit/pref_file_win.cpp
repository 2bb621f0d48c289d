// The one open settings file: opening and reading it through Win32, and
// replacing it with its new contents at close. What is read and what is
// written back is decided in pref_session.cpp.
#include <windows.h>

#include <string>

#include "toolkit/facilities.h"
#include "toolkit/pref_file.h"
#include "toolkit/pref_session.h"
#include "toolkit/pref_temporary.h"
#include "toolkit/unique_handle.h"

namespace {

struct PrefFileState {
  PrefSession session;
  UniqueFile file;
  std::string path;  // full name, so a later change of directory cannot redirect the rewrite
};

PrefFileState state;

std::string fullPathOf(const std::string& name) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH) return name;
  return std::string(buffer, length);
}

// The folder part keeps its separator; empty when the name has none.
std::size_t nameStart(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? 0 : slash + 1;
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
    if (readWhole(state.file.get(), bytes)) {
      loadPrefBytes(state.session, bytes);
      return;
    }
  } catch (...) {
    // Out of memory while reading: treated as a failed read.
  }
  loadPrefBytes(state.session, std::nullopt);
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

// A save killed between creating its temporary file and the swap leaves
// that file behind; the next save removes it. Only names of the shape that
// prefTemporaryName gives for this very file are touched.
void removeLeftovers(const std::string& folder, const std::string& name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        isPrefTemporaryName(name, found.cFileName)) {
      DeleteFileA((folder + found.cFileName).c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void replaceFile(const std::string& path, const std::string& bytes) {
  const std::string folder = path.substr(0, nameStart(path));
  const std::string name = path.substr(nameStart(path));
  removeLeftovers(folder, name);
  const std::string temporary = folder + prefTemporaryName(name, GetCurrentProcessId());
  bool replaced = writeTemporary(temporary, bytes) && !isReadOnly(path) &&
                  MoveFileExA(temporary.c_str(), path.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!replaced) DeleteFileA(temporary.c_str());
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
  state.session.mode = PrefFileMode::kReadWrite;
  if (!isReadOnly(state.path)) state.file = openExisting(state.path, GENERIC_READ | GENERIC_WRITE);
  if (!state.file) {
    state.session.mode = PrefFileMode::kReadOnly;
    state.file = openExisting(state.path, GENERIC_READ);
  }
  if (!state.file) {
    state.session.mode = PrefFileMode::kMissing;
    return 0;
  }
  loadDocument();
  return 1;
}

std::string readPrefString(const std::string& key, const std::string& defaultValue) {
  return readPrefValue(state.session, key, defaultValue);
}

void writePrefString(const std::string& key, const std::string& value) {
  writePrefValue(state.session, key, value);
}

// The old file is closed before the rename: MoveFileEx cannot replace a file
// that is still open without FILE_SHARE_DELETE.
void closePrefFile() {
  if (state.session.mode == PrefFileMode::kClosed) return;
  std::optional<std::string> bytes = prefRewrite(state.session);
  state.file.reset();
  if (bytes) {
    try {
      replaceFile(state.path, *bytes);
    } catch (...) {
      // Out of memory while naming the files: the old file stays.
    }
  }
  state = PrefFileState();
}

void startPrefFile() { state = PrefFileState(); }

void releasePrefFile() { closePrefFile(); }
