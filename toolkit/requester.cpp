#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "toolkit/facilities.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace {

// "caption|pattern|caption|pattern" becomes the platform's list of
// zero-terminated items closed by an empty one.
std::vector<char> platformFilter(const std::string& filter) {
  std::vector<char> items(filter.begin(), filter.end());
  for (char& c : items)
    if (c == '|') c = '\0';
  items.push_back('\0');
  items.push_back('\0');
  return items;
}

// The dialog belongs to the program's window in front, which it disables
// while open; a window in front that belongs to another program is no owner.
HWND dialogOwner() {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front) GetWindowThreadProcessId(front, &process);
  if (front && process == GetCurrentProcessId()) return front;
  return GetActiveWindow();
}

}  // namespace

// GetOpenFileNameA runs its own modal loop, which keeps dispatching the
// program's window timer while the dialog is up.
std::string askOpenFile(const std::string& title, const std::string& defaultFile,
                        const std::string& filter, int filterIndex) {
  char chosen[MAX_PATH] = {};
  lstrcpynA(chosen, filePart(defaultFile).c_str(), MAX_PATH);
  std::string folder = folderPart(defaultFile);
  std::vector<char> items = platformFilter(filter);
  OPENFILENAMEA request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = dialogOwner();
  request.lpstrFilter = filter.empty() ? nullptr : items.data();
  request.nFilterIndex = filterIndex < 0 ? 1 : static_cast<DWORD>(filterIndex) + 1;
  request.lpstrFile = chosen;
  request.nMaxFile = MAX_PATH;
  request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  request.lpstrTitle = title.empty() ? nullptr : title.c_str();
  request.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&request)) return std::string();
  return chosen;
}

// The Explorer-style dialog also needs the thread's COM apartment (startCom).
void startRequester() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}
