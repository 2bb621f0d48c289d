// Lists the visible top-level windows and their child controls, so the e2e
// tests read exact client rectangles in screen coordinates (the X root
// window's under Wine's unmanaged mode), the gadgets' texts and the track
// list, instead of guessing from pixels. Texts are printed as hex bytes.
//   window <TAB> class <TAB> outer l t r b <TAB> client l t w h <TAB> title
//   child  <TAB> class <TAB> id <TAB> visible <TAB> x y w h (window's client area) <TAB> text
//          [<TAB> selected item-height top-index <TAB> item...]   (list boxes)
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/programs/hex_text.h"

namespace {

std::string TextOf(HWND window) {
  char text[1024] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 1000, nullptr);
  return text;
}

// Entries are read as UTF-16: Wine hands a list box's texts to another
// process that way whatever the caller's character set.
void PrintListItems(HWND list) {
  LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  std::printf("\t%ld %ld %ld", static_cast<long>(SendMessageW(list, LB_GETCURSEL, 0, 0)),
              static_cast<long>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)),
              static_cast<long>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)));
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t item[1024] = L"";
    char narrow[2048] = "";
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 1024) {
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
    }
    WideCharToMultiByte(CP_ACP, 0, item, -1, narrow, sizeof narrow, nullptr, nullptr);
    std::printf("\t%s", Hex(narrow).c_str());
  }
}

BOOL CALLBACK PrintChild(HWND child, LPARAM topLevel) {
  char className[256] = "";
  GetClassNameA(child, className, sizeof className);
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(topLevel), reinterpret_cast<POINT*>(&r), 2);
  std::printf("child\t%s\t%d\t%d\t%ld %ld %ld %ld\t%s", className, GetDlgCtrlID(child),
              IsWindowVisible(child) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
              Hex(TextOf(child)).c_str());
  if (lstrcmpiA(className, "ListBox") == 0) PrintListItems(child);
  std::printf("\n");
  return TRUE;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  char className[256] = "";
  GetClassNameA(window, className, sizeof className);
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("window\t%s\t%ld %ld %ld %ld\t%ld %ld %ld %ld\t%s\n", className, outer.left,
              outer.top, outer.right, outer.bottom, origin.x, origin.y, client.right, client.bottom,
              Hex(TextOf(window)).c_str());
  EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(PrintWindow, 0);
  return 0;
}
