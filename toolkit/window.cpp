// Numbered top-level windows and their window procedure.
#include "toolkit/window.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "toolkit/event_queue.h"
#include "toolkit/events.h"
#include "toolkit/facilities.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/parent_messages.h"
#include "toolkit/registry.h"
#include "toolkit/unique_handle.h"
#include "toolkit/window_internal.h"

namespace {

constexpr unsigned kCentreFlag = 0x1;
// The low word of the flags holds the toolkit's own options, the high word window styles.
constexpr unsigned kStyleBits = 0xFFFF0000u;

struct Window {
  UniqueHwnd handle;
};

Registry<Window>& windows() {
  static Registry<Window> registry;
  return registry;
}

ATOM& windowClassAtom() {
  static ATOM atom = 0;
  return atom;
}

// A close request becomes event 16 and is not passed on, so the window stays.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  LRESULT result = 0;
  if (handleParentMessage(window, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE: queueWindowEvent(windowNumberOf(window), kCloseEvent); return 0;
    case WM_APPCOMMAND:
      if (takeCommand(lParam)) return TRUE;
      break;
    case WM_HOTKEY: takeHotKey(lParam); return 0;
    case WM_DROPFILES: takeDroppedFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_COPYDATA: return takeCopiedFile(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_ERASEBKGND:
      if (paintBackdrop(window, reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_GETOBJECT:
      if (answerAccessibleObject(window, wParam, lParam, result)) return result;
      break;
    case WM_NCDESTROY:
      forgetBackdrop(window);
      forgetAccessible(window);
      if (Window* known = windows().find(windowNumberOf(window));
          known && known->handle.get() == window) {
        known->handle.release();
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

SIZE outerSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
  RECT frame = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

HWND createWindow(int window, int x, int y, SIZE size, const std::string& title, DWORD style) {
  return CreateWindowExA(0, kToolkitWindowClass, title.c_str(), style, x, y, size.cx, size.cy,
                         nullptr, nullptr, GetModuleHandleA(nullptr),
                         reinterpret_cast<void*>(static_cast<INT_PTR>(window)));
}

}  // namespace

void startWindows() {
  if (windowClassAtom()) return;
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kToolkitWindowClass;
  windowClassAtom() = RegisterClassExA(&windowClass);
}

void releaseWindows() {
  windows().releaseAll();
  if (windowClassAtom()) UnregisterClassA(kToolkitWindowClass, GetModuleHandleA(nullptr));
  windowClassAtom() = 0;
}

int windowNumberOf(HWND window) {
  if (!window || !windowClassAtom()) return -1;
  if (GetClassLongPtrA(window, GCW_ATOM) != windowClassAtom()) return -1;
  return static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int windowNumberOfControl(HWND control) {
  return control ? windowNumberOf(GetAncestor(control, GA_ROOT)) : -1;
}

// Bit 0 centres the window on the screen; the outer size is cut to the screen.
HWND newWindow(int window, int x, int y, int clientWidth, int clientHeight,
               const std::string& title, unsigned flags) {
  windows().release(window);
  if (window < 0 || !windowClassAtom()) return nullptr;
  DWORD style = flags & kStyleBits;
  SIZE size = outerSize(style, 0, clientWidth, clientHeight);
  size.cx = std::min<LONG>(size.cx, GetSystemMetrics(SM_CXSCREEN));
  size.cy = std::min<LONG>(size.cy, GetSystemMetrics(SM_CYSCREEN));
  if (flags & kCentreFlag) {
    x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  }
  HWND handle = createWindow(window, x, y, size, title, style);
  if (!handle) return nullptr;
  auto object = std::make_unique<Window>();
  object->handle.reset(handle);
  windows().create(window, std::move(object));
  ShowWindow(handle, SW_SHOW);
  setGadgetParentWindow(handle);
  return handle;
}

HWND windowHandle(int window) {
  Window* object = windows().find(window);
  return object ? object->handle.get() : nullptr;
}

void placeWindow(int window, int x, int y, int clientWidth, int clientHeight) {
  HWND handle = windowHandle(window);
  if (!handle) return;
  RECT outer, client;
  GetWindowRect(handle, &outer);
  GetClientRect(handle, &client);
  if (x == kKeep) x = outer.left;
  if (y == kKeep) y = outer.top;
  if (clientWidth == kKeep) clientWidth = client.right;
  if (clientHeight == kKeep) clientHeight = client.bottom;
  SIZE size = outerSize(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_EXSTYLE)), clientWidth,
                        clientHeight);
  SetWindowPos(handle, nullptr, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_NOZORDER);
}

// Setting the title it already has would redraw the caption for nothing,
// 18 times a second while a track plays.
void setWindowCaption(int window, const std::string& text) {
  HWND handle = windowHandle(window);
  if (!handle) return;
  char current[512] = "";
  const int length = GetWindowTextA(handle, current, sizeof current);
  if (length < static_cast<int>(sizeof current) - 1 && text == current) return;
  SetWindowTextA(handle, text.c_str());
}

void focusWindow(int window) {
  if (HWND handle = windowHandle(window)) SetFocus(handle);
}

int displayRefreshRate() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
  return static_cast<int>(mode.dmDisplayFrequency);
}
