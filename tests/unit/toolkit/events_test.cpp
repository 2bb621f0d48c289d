// The event fetch driven by real messages to real controls: which fetch an
// event arrives in, and what the last-event state says after it.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "toolkit_window.h"

namespace {

using Events = ToolkitWindow;

TEST_F(Events, EmptyQueueReturnsAtOnceWithNoGadgetEvent) {
  DWORD start = GetTickCount();
  EXPECT_EQ(pollEvent(), kNoEvent);
  EXPECT_LT(GetTickCount() - start, 50u);
  EXPECT_EQ(lastEventKind(), kNoGadgetEvent);
}

TEST_F(Events, PressOnImageGadgetIsAGadgetEventInTheSameFetch) {
  UniqueHbitmap image = solidBitmap(20, 20, RGB(0, 0, 255));
  HWND gadget = newPictureGadget(4, 30, 30, 0, 0, image.get());
  ASSERT_NE(gadget, nullptr);
  PostMessageA(gadget, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(pollEvent(), kGadgetEvent);
  EXPECT_EQ(lastSourceGadget(), 4);
  EXPECT_EQ(lastEventKind(), kLeftClick);
  EXPECT_EQ(lastEventWindow(), 0);

  // A plain message keeps the gadget but has no type.
  PostMessageA(gadget, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(pollEvent(), WM_LBUTTONUP);
  EXPECT_EQ(lastSourceGadget(), 4);
  EXPECT_EQ(lastEventKind(), kNoGadgetEvent);
}

// The gadget event types each posted mouse sequence on an image gadget
// raises; every sequence ends with the capture given up.
struct MouseCase {
  const char* name;
  std::vector<std::pair<UINT, int>> messagesAtX;
  std::vector<int> kinds;
};

TEST_F(Events, ImageGadgetMouseSequencesRaiseTheirTypes) {
  const int drag = GetSystemMetrics(SM_CXDRAG);
  const std::vector<MouseCase> cases = {
      {"left double-click",
       {{WM_LBUTTONDOWN, 2}, {WM_LBUTTONUP, 2}, {WM_LBUTTONDBLCLK, 2}, {WM_LBUTTONUP, 2}},
       {kLeftClick, kLeftDoubleClick}},
      {"right click", {{WM_RBUTTONDOWN, 2}, {WM_RBUTTONUP, 2}}, {kRightClick}},
      {"right double-click",
       {{WM_RBUTTONDOWN, 2}, {WM_RBUTTONUP, 2}, {WM_RBUTTONDBLCLK, 2}, {WM_RBUTTONUP, 2}},
       {kRightClick, kRightDoubleClick}},
      {"drag", {{WM_LBUTTONDOWN, 2}, {WM_MOUSEMOVE, 3 + drag}}, {kLeftClick, kDragStart}},
      {"move within the drag distance",
       {{WM_LBUTTONDOWN, 2}, {WM_MOUSEMOVE, 2 + drag}, {WM_LBUTTONUP, 2}},
       {kLeftClick}},
  };
  UniqueHbitmap image = solidBitmap(40, 40, RGB(0, 128, 0));
  HWND gadget = newPictureGadget(6, 10, 10, 0, 0, image.get());
  for (const MouseCase& test : cases) {
    SCOPED_TRACE(test.name);
    for (auto [message, x] : test.messagesAtX)
      PostMessageA(gadget, message, message == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(x, 2));
    EXPECT_EQ(drainGadgetKinds(6), test.kinds);
    EXPECT_NE(GetCapture(), gadget);
  }
}

TEST_F(Events, ListClickThenDoubleClick) {
  HWND list = newListGadget(3, 10, 10, 200, 120);
  for (const char* entry : {"Один", "Два", "Три"}) insertListItem(3, -1, entry);
  RECT second;
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  LPARAM onSecond = MAKELPARAM(second.left + 5, second.top + 2);

  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, onSecond);
  PostMessageA(list, WM_LBUTTONUP, 0, onSecond);
  ASSERT_EQ(pollForGadgetEvent(3, kLeftClick), kGadgetEvent);
  EXPECT_EQ(gadgetValue(3), 1);
  EXPECT_EQ(gadgetCaption(3), "Два");
  drainEvents();

  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, onSecond);
  PostMessageA(list, WM_LBUTTONUP, 0, onSecond);
  EXPECT_EQ(pollEvent(), kLeftDoubleClickMessage);
  EXPECT_EQ(lastSourceGadget(), 3);
  EXPECT_EQ(lastEventKind(), kNoGadgetEvent);
  EXPECT_EQ(pollForGadgetEvent(3, kLeftDoubleClick), kGadgetEvent);
}

// A label lets the press through to the window beneath (HTTRANSPARENT);
// only real input, hit-tested by the system, shows that. An image gadget
// without an image, on the other hand, takes the press.
TEST_F(Events, RealPressesOnALabelAndOnAnEmptyImageGadget) {
  newLabelGadget(9, 50, 50, 120, 30, "Метка");
  newPictureGadget(2, 200, 100, 13, 13, nullptr);
  std::vector<int> codes;
  mouseAt(window, 100, 60, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  pollUntil([&](int code) {
    codes.push_back(code);
    return code == WM_LBUTTONUP;
  });
  EXPECT_NE(std::find(codes.begin(), codes.end(), WM_LBUTTONDOWN), codes.end());
  EXPECT_EQ(std::find(codes.begin(), codes.end(), kGadgetEvent), codes.end());

  mouseAt(window, 206, 106, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  EXPECT_EQ(pollForGadgetEvent(2, kLeftClick), kGadgetEvent);
}

TEST_F(Events, CloseBoxQueuesCloseAndKeepsTheWindow) {
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(pollEvent(), WM_SYSCOMMAND);
  EXPECT_EQ(pollEvent(), kCloseEvent);
  EXPECT_EQ(lastEventWindow(), 0);
  EXPECT_TRUE(IsWindow(window));
}

// A close request equal to the newest waiting one (same window) is dropped.
TEST_F(Events, CloseRequestsFollowTheDuplicateRule) {
  HWND second = newWindow(1, 0, 0, 100, 100, "Вторая", kTestWindowFlags);
  drainEvents();
  const std::vector<std::pair<std::vector<HWND>, std::vector<int>>> cases = {
      {{window, window}, {0}},
      {{window, second}, {0, 1}},
      {{window, second, window}, {0, 1, 0}},
  };
  for (const auto& [closed, expected] : cases) {
    for (HWND handle : closed) SendMessageA(handle, WM_CLOSE, 0, 0);
    std::vector<int> windows;
    while (pollEvent() == kCloseEvent) windows.push_back(lastEventWindow());
    EXPECT_EQ(windows, expected);
    drainEvents();
  }
}

TEST_F(Events, TabMovesTheFocusToTheNextGadget) {
  HWND list = newListGadget(3, 10, 10, 100, 60);
  HWND box = newCheckGadget(13, 10, 100, 120, 20, "Флаг");
  SetFocus(list);
  drainEvents();
  PostMessageA(list, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(pollEvent(), WM_KEYDOWN);
  EXPECT_EQ(GetFocus(), box);
}

// Whichever way a key reaches the window (typed, as a command, as a hot
// key), the fetch that takes it says which key it was, and in which gadget;
// later fetches say none.
TEST_F(Events, EachFetchTellsTheKeyItTook) {
  HWND list = newListGadget(3, 10, 10, 100, 60);
  drainEvents();
  struct Case {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int key, gadget;
  };
  const Case cases[] = {
      {window, WM_KEYDOWN, VK_SPACE, 0, VK_SPACE, -1},
      {list, WM_KEYDOWN, VK_RETURN, 0, VK_RETURN, 3},
      {window, WM_KEYDOWN, VK_MEDIA_NEXT_TRACK, 0, VK_MEDIA_NEXT_TRACK, -1},
      {window, WM_HOTKEY, 1, MAKELPARAM(0, VK_MEDIA_PLAY_PAUSE), VK_MEDIA_PLAY_PAUSE, -1},
      {window, WM_KEYUP, VK_SPACE, 0, 0, -1},
  };
  for (const Case& c : cases) {
    PostMessageA(c.target, c.message, c.wParam, c.lParam);
    EXPECT_EQ(pollEvent(), static_cast<int>(c.message)) << c.message << " " << c.wParam;
    EXPECT_EQ(lastKey(), c.key) << c.message << " " << c.wParam;
    EXPECT_EQ(lastKeyGadget(), c.gadget) << c.message << " " << c.wParam;
    drainEvents();  // the character a typed key makes is no key-down
    EXPECT_EQ(lastKey(), 0);
  }
  // A command the deck answers is taken, and goes no further; another is left
  // to the system.
  EXPECT_EQ(SendMessageA(window, WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_VOLUME_MUTE)), TRUE);
  EXPECT_EQ(lastKey(), VK_VOLUME_MUTE);
  pollEvent();
  EXPECT_EQ(SendMessageA(window, WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_BROWSER_HOME)), FALSE);
  EXPECT_EQ(lastKey(), 0);
}

// A file dropped on the window, or copied over by another start, is handed
// on for one fetch; other data copied over is not.
TEST_F(Events, FilesHandedToTheWindowAreTakenForOneFetch) {
  drainEvents();
  std::string path = "C:\\Музыка\\вальс.mp3";
  COPYDATASTRUCT other = {1, static_cast<DWORD>(path.size()), path.data()};
  EXPECT_EQ(SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other)), FALSE);
  EXPECT_EQ(lastHandedFile(), "");
  EXPECT_TRUE(handFileToWindow(window, path));
  EXPECT_EQ(lastHandedFile(), path);
  pollEvent();
  EXPECT_EQ(lastHandedFile(), "");

  // A drop of two files, as Explorer's drop handler hands them over; the
  // first is taken.
  const std::string names = path + '\0' + "C:\\b.wav" + '\0' + '\0';
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(drop);
  PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(pollEvent(), WM_DROPFILES);
  EXPECT_EQ(lastHandedFile(), path);
}

TEST_F(Events, CursorOutsideTheClientAreaIsMinusOne) {
  POINT below = {kClientWidth / 2, kClientHeight + 3}, inside = {120, 80};
  ClientToScreen(window, &below);
  ClientToScreen(window, &inside);
  SetCursorPos(below.x, below.y);
  EXPECT_NE(pollUntil([](int) { return cursorY(0) == -1; }), kTimedOut);
  EXPECT_EQ(cursorX(0), -1);
  SetCursorPos(inside.x, inside.y);
  EXPECT_NE(pollUntil([](int) { return cursorY(0) == 80; }), kTimedOut);
  EXPECT_EQ(cursorX(0), 120);
}

}  // namespace
