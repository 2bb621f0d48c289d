// Windows and placement: the window newWindow makes, the keep value, numbers
// that name nothing, and reuse of a number.
#include <windows.h>
#include <gtest/gtest.h>

#include "toolkit_window.h"

namespace {

using Windows = ToolkitWindow;

RECT clientRect(HWND handle) {
  RECT client;
  GetClientRect(handle, &client);
  return client;
}

TEST_F(Windows, PlayerWindowIsCentredWithTheClientSizeAsked) {
  EXPECT_EQ(clientRect(window).right, kClientWidth);
  EXPECT_EQ(clientRect(window).bottom, kClientHeight);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  EXPECT_STREQ(name, "DeckplayerWindow");
  EXPECT_TRUE(GetClassLongA(window, GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(Windows, PlaceWindowAndPlaceGadgetKeepWhatIsGivenAsKeep) {
  RECT before, after;
  GetWindowRect(window, &before);
  placeWindow(0, kKeep, kKeep, kKeep, 550);
  GetWindowRect(window, &after);
  EXPECT_EQ(clientRect(window).bottom, 550);
  EXPECT_EQ(clientRect(window).right, kClientWidth);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);

  HWND gadget = newPictureGadget(7, 40, 50, 35, 25, nullptr);
  placeGadget(7, 10, kKeep, kKeep, kKeep);
  EXPECT_EQ(gadgetLeft(7), 10);
  EXPECT_EQ(gadgetTop(7), 50);
  EXPECT_EQ(clientRect(gadget).right, 35);
  EXPECT_EQ(clientRect(gadget).bottom, 25);
}

TEST_F(Windows, NumbersNamingNothingYieldNothing) {
  UniqueHbitmap image = solidBitmap(4, 4, RGB(1, 2, 3));
  setGadgetValue(5, 1);  // creates nothing
  EXPECT_EQ(windowHandle(5), nullptr);
  EXPECT_EQ(cursorX(5), 0);
  EXPECT_EQ(gadgetValue(5), 0);
  EXPECT_EQ(gadgetCaption(5), "");
  EXPECT_EQ(gadgetLeft(5), 0);
  EXPECT_EQ(listItemCount(5), 0);
  EXPECT_EQ(setWindowBackdrop(nullptr, image.get()), 0);
  EXPECT_EQ(setWindowBackdrop(window, nullptr), 0);

  // A label is no list: list operations on it do nothing.
  newLabelGadget(5, 0, 0, 50, 20, "Метка");
  insertListItem(5, -1, "x");
  EXPECT_EQ(listItemCount(5), 0);
  EXPECT_EQ(gadgetCaption(5), "Метка");
}

TEST_F(Windows, CreatingUnderAUsedNumberReleasesTheOldObject) {
  HWND label = newLabelGadget(5, 0, 0, 50, 20, "Метка");
  HWND box = newCheckGadget(5, 0, 30, 80, 20, "Флаг");
  ASSERT_TRUE(label && box);
  EXPECT_FALSE(IsWindow(label));
  setGadgetValue(5, 1);
  EXPECT_EQ(gadgetValue(5), 1);

  HWND fresh = newWindow(0, 0, 0, 200, 100, "Снова", kTestWindowFlags);
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(windowHandle(0), fresh);
  EXPECT_EQ(gadgetValue(5), 0);  // the gadget went with its window
}

}  // namespace
