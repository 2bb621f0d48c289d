#include "deck/started_with_file.h"

#include <windows.h>
#include <shellapi.h>

#include "profile/deck_profile.h"
#include "toolkit/toolkit.h"

namespace {

// The wide command line is what Explorer really passed; each argument is
// turned into the ANSI code page only when every character has its own
// byte there.
std::string AnsiText(const wchar_t* wide) {
  BOOL lossy = FALSE;
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lossy);
  if (size <= 1 || lossy) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, text.data(), size, nullptr, &lossy);
  text.resize(static_cast<std::size_t>(size) - 1);
  return lossy ? std::string() : text;
}

// Resolved against the folder the program was started in, before that
// stops being the working folder.
std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = "";
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? full : std::string();
}

struct Search {
  const char* program;
  HWND found;
};

BOOL CALLBACK FindStart(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, kToolkitWindowClass) != 0 || !GetPropA(window, search->program))
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::string FileOnCommandLine() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return {};
  const std::string file = count > 1 ? AnsiText(arguments[1]) : std::string();
  LocalFree(arguments);
  return file.empty() ? file : FullPath(file);
}

bool HandToRunningStart(const char* program, const std::string& file) {
  Search search{program, nullptr};
  EnumWindows(FindStart, reinterpret_cast<LPARAM>(&search));
  if (!search.found || !handFileToWindow(search.found, file)) return false;
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
  return true;
}

void WorkInOwnFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  SetCurrentDirectoryA(folderPart(path).c_str());
}

void MarkWindowAs(const char* program) {
  SetPropA(windowHandle(kMainWindow), program, reinterpret_cast<HANDLE>(1));
}

void UnmarkWindow(const char* program) { RemovePropA(windowHandle(kMainWindow), program); }
