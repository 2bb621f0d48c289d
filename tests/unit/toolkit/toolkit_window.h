#pragma once
// A started toolkit with window 0 on the screen, and what the window, event
// and gadget tests share: fetching with a deadline, solid bitmaps, pixels
// read back from the window's surface, real mouse input.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/unique_handle.h"

constexpr int kClientWidth = 400;
// A captioned window with a system menu and a minimise box, centred.
constexpr unsigned kTestWindowFlags = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | kWindowCentred;
constexpr int kClientHeight = 300;
constexpr int kTimedOut = -99999;

// Fetches until done(code) holds; the code then, or kTimedOut.
inline int pollUntil(const std::function<bool(int)>& done, DWORD milliseconds = 2000) {
  for (DWORD deadline = GetTickCount() + milliseconds; GetTickCount() < deadline;) {
    int code = pollEvent();
    if (done(code)) return code;
    if (code == kNoEvent) Sleep(1);
  }
  return kTimedOut;
}

inline void drainEvents() {
  pollUntil([](int code) { return code == kNoEvent; });
}

inline int pollForGadgetEvent(int gadget, int kind) {
  return pollUntil([&](int code) {
    return code == kGadgetEvent && lastSourceGadget() == gadget && lastEventKind() == kind;
  });
}

// The types of the gadget's events fetched until the queue is empty.
inline std::vector<int> drainGadgetKinds(int gadget) {
  std::vector<int> kinds;
  pollUntil([&](int code) {
    if (code == kGadgetEvent && lastSourceGadget() == gadget) kinds.push_back(lastEventKind());
    return code == kNoEvent;
  });
  return kinds;
}

class ToolkitWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    startToolkit();
    window = newWindow(0, 0, 0, kClientWidth, kClientHeight, "Проба", kTestWindowFlags);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    drainEvents();
  }
  void TearDown() override { releaseToolkit(); }

  HWND window = nullptr;
};

inline void fillBitmap(HBITMAP bitmap, RECT area, COLORREF colour) {
  UniqueHdc dc(CreateCompatibleDC(nullptr));
  SelectionGuard selected(dc.get(), bitmap);
  UniqueHbrush brush(CreateSolidBrush(colour));
  FillRect(dc.get(), &area, brush.get());
}

// A bitmap of one colour in the display's format.
inline UniqueHbitmap solidBitmap(int width, int height, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  UniqueHbitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  fillBitmap(bitmap.get(), {0, 0, width, height}, colour);
  return bitmap;
}

// The pixel now on the window's surface at client (x, y), children included.
inline COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

inline bool anyPixelIs(HWND window, RECT area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (pixelAt(window, x, y) == colour) return true;
  return false;
}

// Real input, hit-tested by the system: moves to client (x, y), then the
// given button flags (MOUSEEVENTF_LEFTDOWN...) one after the other.
inline void mouseAt(HWND window, int x, int y, std::vector<DWORD> buttons = {}) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  INPUT mouse = {};
  mouse.type = INPUT_MOUSE;
  std::vector<INPUT> inputs(1 + buttons.size(), mouse);
  inputs[0].mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  inputs[0].mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  for (size_t i = 0; i < buttons.size(); ++i) inputs[i + 1].mi.dwFlags = buttons[i];
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
