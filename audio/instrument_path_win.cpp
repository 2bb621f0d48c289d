#include <windows.h>

#include "audio/instrument_path.h"

// GetModuleFileNameA gives the path in the ANSI code page, which is what the
// synthesizer's fopen takes, so a folder with a Cyrillic name works.
std::string InstrumentConfigPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  if (slash == std::string::npos) return {};
  return folder.substr(0, slash + 1) + "freepats\\timidity.cfg";
}
