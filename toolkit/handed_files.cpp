// Files dropped on a window (WM_DROPFILES) or copied to it (WM_COPYDATA).
#include "toolkit/handed_files.h"

#include <windows.h>
#include <shellapi.h>

#include "toolkit/event_queue.h"
#include "toolkit/window.h"

namespace {

// Marks a WM_COPYDATA as a file to open, so no other data is taken for one.
constexpr ULONG_PTR kFileToOpen = 0x6B636564;  // "deck"
constexpr UINT kHandOverMs = 5000;

}  // namespace

void acceptDroppedFiles(int window) {
  if (HWND handle = windowHandle(window)) DragAcceptFiles(handle, TRUE);
}

// The first file is taken: the deck plays one file's folder at a time.
void takeDroppedFiles(HDROP drop) {
  char path[MAX_PATH] = "";
  if (DragQueryFileA(drop, 0, path, sizeof path)) setHandedFile(path);
  DragFinish(drop);
}

bool takeCopiedFile(const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kFileToOpen || !data->lpData) return false;
  setHandedFile(std::string(static_cast<const char*>(data->lpData), data->cbData));
  return true;
}

bool handFileToWindow(HWND window, const std::string& path) {
  COPYDATASTRUCT data = {kFileToOpen, static_cast<DWORD>(path.size()),
                         const_cast<char*>(path.data())};
  DWORD_PTR taken = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, kHandOverMs, &taken) &&
         taken == TRUE;
}
