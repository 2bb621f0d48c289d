// Lists the visible top-level windows, one line each, so the e2e tests can
// learn exact client rectangles in screen coordinates (the X root window's
// coordinates under Wine's unmanaged mode) instead of guessing frame sizes:
//   class <TAB> window left top right bottom <TAB> client left top width height <TAB> title as hex bytes
#include <windows.h>

#include <cstdio>

namespace {

void PrintHex(const char* text) {
  for (const char* p = text; *p; ++p) std::printf("%02x", static_cast<unsigned char>(*p));
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  char className[256] = "";
  char title[512] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("%s\t%ld %ld %ld %ld\t%ld %ld %ld %ld\t", className, outer.left, outer.top,
              outer.right, outer.bottom, origin.x, origin.y, client.right, client.bottom);
  PrintHex(title);
  std::printf("\n");
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(PrintWindow, 0);
  return 0;
}
