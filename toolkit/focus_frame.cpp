#include "toolkit/focus_frame.h"

#include <windows.h>

#include "toolkit/unique_handle.h"
#include "toolkit/window.h"

namespace {

constexpr char kFrameClass[] = "DeckplayerFocusFrame";
constexpr int kThickness = 2;

// Dots of black and white, seen on any part of a skin.
void PaintDots(HWND frame) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(frame, &paint);
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueHbitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
  UniqueHbrush dots(CreatePatternBrush(pattern.get()));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  FillRect(dc, &paint.rcPaint, dots.get());
  EndPaint(frame, &paint);
}

// The frame is only its rim (a window region), and even there the mouse
// goes through it to the gadget beneath.
LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintDots(frame); return 0;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

bool RegisterFrameClass() {
  static const bool registered = [] {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProcedure;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = kFrameClass;
    return RegisterClassA(&frameClass) != 0;
  }();
  return registered;
}

// One frame per window, found among its children by class.
HWND FrameOf(HWND window, bool create) {
  HWND frame = FindWindowExA(window, nullptr, kFrameClass, nullptr);
  if (frame || !create || !RegisterFrameClass()) return frame;
  return CreateWindowExA(0, kFrameClass, "", WS_CHILD, 0, 0, 0, 0, window, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void showFocusFrame(int window, int x, int y, int width, int height) {
  HWND frame = FrameOf(windowHandle(window), true);
  if (!frame) return;
  const int outerWidth = width + 2 * kThickness, outerHeight = height + 2 * kThickness;
  HRGN rim = CreateRectRgn(0, 0, outerWidth, outerHeight);
  UniqueHrgn inside(CreateRectRgn(kThickness, kThickness, kThickness + width, kThickness + height));
  CombineRgn(rim, rim, inside.get(), RGN_DIFF);
  SetWindowPos(frame, HWND_TOP, x - kThickness, y - kThickness, outerWidth, outerHeight,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetWindowRgn(frame, rim, TRUE);  // the window owns the region from now on
  InvalidateRect(frame, nullptr, FALSE);
}

void hideFocusFrame(int window) {
  if (HWND frame = FrameOf(windowHandle(window), false)) ShowWindow(frame, SW_HIDE);
}
