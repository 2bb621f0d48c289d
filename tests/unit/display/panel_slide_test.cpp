#include "display/panel_slide.h"

#include <gtest/gtest.h>

#include <vector>

#include "deck_fixture.h"
#include "toolkit/toolkit.h"

namespace {

// Client heights as WM_SIZE reports them, seen through a subclass of window 0.
std::vector<int> sizes;
WNDPROC toolkitProcedure = nullptr;

LRESULT CALLBACK RecordSizes(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) sizes.push_back(HIWORD(lParam));
  return CallWindowProcA(toolkitProcedure, window, message, wParam, lParam);
}

HWND OpenWindow(int clientHeight) {
  HWND window = newWindow(kMainWindow, 20, 20, kDeck.clientWidth, clientHeight, kProgramTitle,
                          kDeckWindowFlags & ~1u);
  toolkitProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordSizes)));
  while (pollEvent() != kNoEvent) {
  }
  sizes.clear();
  return window;
}

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

struct SlideCase {
  int panelOpen;
  int from;
  int to;
};

// The first of the 96 steps sets the height the window already has, so the
// window sees 95 changes of 2 rows each.
TEST(SlidePanel, RunsInStepsOfTwoRowsToTheOtherHeight) {
  const SlideCase cases[] = {{1, kDeck.closedHeight, kDeck.openHeight},
                             {0, kDeck.openHeight, kDeck.closedHeight}};
  for (const SlideCase& c : cases) {
    HWND window = OpenWindow(c.from);
    RECT before{};
    GetWindowRect(window, &before);
    DeckState state{};
    state.panelOpen = c.panelOpen;
    std::vector<int> expected;
    int step = c.to > c.from ? 2 : -2;
    for (int h = c.from + step; h != c.to + step; h += step) expected.push_back(h);
    const DWORD start = GetTickCount();
    EXPECT_EQ(SlidePanel(state), 0);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(sizes, expected) << c.panelOpen;
    EXPECT_EQ(ClientOf(window).bottom, c.to);
    EXPECT_EQ(ClientOf(window).right, kDeck.clientWidth);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    // A lower bound only, which a slow machine cannot break: the pauses are
    // what makes the slide visible.
    const DWORD steps = static_cast<DWORD>(expected.size()) + 1;  // 96
    EXPECT_GE(elapsed, steps * 8u - 20u) << "each step pauses 8 ms";
  }
}

bool closeRequested = false;
void CALLBACK RequestClose(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageA(windowHandle(kMainWindow), WM_CLOSE, 0, 0);
  closeRequested = true;
}

// The slide fetches and drops every event, so a close request made while it
// runs never reaches the main loop and the window stays.
TEST(SlidePanel, CloseRequestDuringTheSlideIsDropped) {
  HWND window = OpenWindow(kDeck.closedHeight);
  DeckState state{};
  state.panelOpen = 1;
  closeRequested = false;
  ASSERT_NE(SetTimer(nullptr, 0, 100, RequestClose), 0u);
  SlidePanel(state);
  EXPECT_TRUE(closeRequested) << "the timer runs inside the slide's fetches";
  int closes = 0;
  for (int fetch = 0; fetch < 100; ++fetch)
    if (pollEvent() == kCloseEvent) ++closes;
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(ClientOf(window).bottom, kDeck.openHeight);
}

}  // namespace
