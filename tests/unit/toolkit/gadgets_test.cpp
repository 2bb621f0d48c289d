// What gadgets show, read back from the window's own surface: image sizes,
// the backdrop through an image gadget without an image, links, labels and
// a list inside a panel.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit_window.h"

namespace {

using Gadgets = ToolkitWindow;

constexpr COLORREF kBackdropLeft = RGB(200, 30, 30);
constexpr COLORREF kBackdropRight = RGB(30, 200, 30);
constexpr int kTile = 16;

// Two colours side by side, so a tiled copy shows at which offset it lies.
UniqueHbitmap backdropTile() {
  UniqueHbitmap tile = solidBitmap(kTile, kTile, kBackdropLeft);
  fillBitmap(tile.get(), {kTile / 2, 0, kTile, kTile}, kBackdropRight);
  return tile;
}

COLORREF backdropAt(int x) { return x % kTile < kTile / 2 ? kBackdropLeft : kBackdropRight; }

SIZE clientSize(HWND handle) {
  RECT client;
  GetClientRect(handle, &client);
  return {client.right, client.bottom};
}

TEST_F(Gadgets, ImageGadgetTakesTheImageSizeOrKeepsItsOwn) {
  UniqueHbitmap platter = solidBitmap(300, 300, RGB(10, 10, 10));
  HWND sized = newPictureGadget(1, 0, 0, 0, 0, platter.get());
  HWND empty = newPictureGadget(2, 320, 10, 13, 13, nullptr);
  ASSERT_TRUE(sized && empty);
  EXPECT_EQ(clientSize(sized).cx, 300);
  EXPECT_EQ(clientSize(sized).cy, 300);
  EXPECT_EQ(clientSize(empty).cx, 13);
  EXPECT_EQ(clientSize(empty).cy, 13);
  EXPECT_EQ(gadgetValue(2), 0);

  UniqueHbitmap knob = solidBitmap(35, 20, RGB(1, 1, 1));
  setGadgetValue(2, reinterpret_cast<std::intptr_t>(knob.get()));
  EXPECT_EQ(clientSize(empty).cx, 35);
  EXPECT_EQ(gadgetValue(2), reinterpret_cast<std::intptr_t>(knob.get()));
  setGadgetValue(2, 0);
  EXPECT_EQ(clientSize(empty).cx, 35);  // keeps its size without the image
}

TEST_F(Gadgets, BackdropIsTiledFromTheTopLeftCorner) {
  UniqueHbitmap tile = backdropTile();
  ASSERT_NE(setWindowBackdrop(window, tile.get()), 0);
  for (int x : {0, 7, 8, 15, 16, 23, 24, 390}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(pixelAt(window, x, 3), backdropAt(x));
    EXPECT_EQ(pixelAt(window, x, 290), backdropAt(x));
  }
}

TEST_F(Gadgets, SettingAnImageShowsItBeforeTheCallReturns) {
  UniqueHbitmap tile = backdropTile();
  setWindowBackdrop(window, tile.get());
  UniqueHbitmap frame = solidBitmap(300, 300, RGB(0, 0, 255));
  HWND gadget = newPictureGadget(1, 40, 40, 0, 0, nullptr);
  ASSERT_NE(gadget, nullptr);

  setGadgetValue(1, reinterpret_cast<std::intptr_t>(frame.get()));
  EXPECT_EQ(pixelAt(window, 45, 45), RGB(0, 0, 255));

  // The same image again, redrawn: how each new record frame becomes visible.
  fillBitmap(frame.get(), {0, 0, 300, 300}, RGB(255, 255, 0));
  setGadgetValue(1, reinterpret_cast<std::intptr_t>(frame.get()));
  EXPECT_EQ(pixelAt(window, 45, 45), RGB(255, 255, 0));

  setGadgetValue(1, 0);
  for (int x : {45, 52, 200, 330}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(pixelAt(window, x, 45), backdropAt(x));
  }
}

// Set up as the players do: its own text colour first, then the colouring
// routine with the default text colour and a transparent background.
TEST_F(Gadgets, TransparentLinkShowsTheBackdropAndHoverColourFollowsCapture) {
  UniqueHbitmap tile = backdropTile();
  setWindowBackdrop(window, tile.get());
  constexpr COLORREF kHover = RGB(181, 181, 181), kText = RGB(93, 93, 93);
  HWND link = newLinkGadget(8, 40, 200, 120, 20, "Открыть", static_cast<int>(kHover));
  ASSERT_NE(link, nullptr);
  setGadgetColour(8, kTextColour, static_cast<int>(kText));
  applyGadgetColours(8, kDefaultColour, kTransparentColour);
  drainEvents();
  const RECT text = {40, 200, 160, 220};
  EXPECT_EQ(pixelAt(window, 155, 217), backdropAt(155));  // right of the text
  EXPECT_TRUE(anyPixelIs(window, text, kText));
  EXPECT_FALSE(anyPixelIs(window, text, kHover));

  mouseAt(window, 60, 210);
  EXPECT_NE(pollUntil([&](int) { return GetCapture() == link; }), kTimedOut);
  drainEvents();
  EXPECT_TRUE(anyPixelIs(window, text, kHover));
  EXPECT_FALSE(anyPixelIs(window, text, kText));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));

  // Another window taking the capture ends the hover, as a dialog would.
  SetCapture(window);
  drainEvents();
  EXPECT_EQ(GetCapture(), window);
  EXPECT_FALSE(anyPixelIs(window, text, kHover));
  EXPECT_TRUE(anyPixelIs(window, text, kText));
  EXPECT_EQ(pixelAt(window, 155, 217), backdropAt(155));
  ReleaseCapture();

  // Leaving the gadget gives the capture up by itself.
  mouseAt(window, 300, 100);
  EXPECT_NE(pollUntil([&](int) { return GetCapture() != link; }), kTimedOut);
}

// A label's box in its background colour, the text in its text colour; with
// only the text colour set, the box is the button face.
TEST_F(Gadgets, LabelDrawsItsTextColourOnItsBackColour) {
  constexpr COLORREF kText = RGB(93, 93, 93), kBack = RGB(21, 21, 21);
  HWND both = newLabelGadget(20, 10, 10, 150, 20, "00:00");
  HWND textOnly = newLabelGadget(21, 10, 40, 150, 20, "00:00");
  ASSERT_TRUE(both && textOnly);
  setGadgetColour(20, kBackColour, static_cast<int>(kBack));
  setGadgetColour(20, kTextColour, static_cast<int>(kText));
  setGadgetColour(21, kTextColour, static_cast<int>(kText));
  drainEvents();
  EXPECT_EQ(pixelAt(window, 150, 25), kBack);
  EXPECT_TRUE(anyPixelIs(window, {10, 10, 60, 30}, kText));
  EXPECT_EQ(pixelAt(window, 150, 55), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(anyPixelIs(window, {10, 40, 60, 60}, kText));

  setGadgetColour(20, kBackColour, kDefaultColour);
  drainEvents();
  EXPECT_EQ(pixelAt(window, 150, 25), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Gadgets, LinkReleaseIsALaterClick) {
  HWND link = newLinkGadget(8, 40, 200, 120, 20, "Пауза", RGB(255, 0, 0));
  drainEvents();
  PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(pollEvent(), WM_LBUTTONUP);
  EXPECT_EQ(pollEvent(), kGadgetEvent);
  EXPECT_EQ(lastSourceGadget(), 8);
  EXPECT_EQ(lastEventKind(), kLeftClick);
}

// The track list lives in a panel: its notifications and colour questions
// reach the panel's window, which must answer them as the top-level does.
TEST_F(Gadgets, PanelForwardsItsListAndAnswersItsColours) {
  HWND panel = newPanelGadget(20, 0, 150, 400, 150);
  HWND list = newListGadget(21, 10, 10, 200, 100);
  endPanel();
  HWND label = newLabelGadget(22, 0, 0, 100, 20, "Наверху");
  ASSERT_TRUE(panel && list && label);
  EXPECT_EQ(GetParent(list), panel);
  EXPECT_EQ(GetParent(label), window);
  EXPECT_EQ(gadgetLeft(21), 10);
  EXPECT_EQ(gadgetTop(21), 10);

  constexpr COLORREF kText = RGB(181, 181, 181), kBack = RGB(21, 21, 21);
  applyGadgetColours(21, static_cast<int>(kText), static_cast<int>(kBack));
  insertListItem(21, -1, "Один");
  UpdateWindow(list);
  EXPECT_EQ(pixelAt(list, 150, 80), kBack);  // below the only entry
  EXPECT_TRUE(anyPixelIs(list, {0, 0, 60, 14}, kText));

  drainEvents();
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
  PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
  EXPECT_EQ(pollForGadgetEvent(21, kLeftClick), kGadgetEvent);
}

std::vector<std::string> listTexts(HWND list) {
  std::vector<std::string> texts;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    texts.push_back(text);
  }
  return texts;
}

// Enough entries to outgrow any small first allocation of the control.
TEST_F(Gadgets, AppendedEntriesFollowTheOldOnesInOrderAndRedrawComesBack) {
  HWND list = newListGadget(21, 10, 10, 200, 100);
  ASSERT_TRUE(list);
  insertListItem(21, -1, "старый");
  std::vector<std::string> added;
  for (int i = 0; i < 300; ++i) added.push_back("запись " + std::to_string(i) + ".mp3");
  added.push_back("");
  appendListItems(21, added);
  appendListItems(21, {});

  std::vector<std::string> expected{"старый"};
  expected.insert(expected.end(), added.begin(), added.end());
  EXPECT_EQ(listTexts(list), expected);
  EXPECT_EQ(listItemCount(21), 302);
  EXPECT_EQ(gadgetValue(21), -1);

  // With redraw left off, emptying the list would not ask for a repaint.
  UpdateWindow(list);
  ASSERT_FALSE(GetUpdateRect(list, nullptr, FALSE));
  clearList(21);
  EXPECT_TRUE(GetUpdateRect(list, nullptr, FALSE));
}

// Texts are compared byte for byte: letter case counts, a prefix or an
// extension of an entry is another name, and the first of equal entries wins.
TEST_F(Gadgets, FindListItemComparesWholeTextsExactly) {
  ASSERT_TRUE(newListGadget(21, 10, 10, 200, 100));
  appendListItems(21, {"a.mp3", "Вальс.mp3", "a.mp3x", "вальс.mp3", "Вальс.mp3", "b.mp3"});
  setGadgetValue(21, 5);
  struct Case {
    std::string text;
    int found;
  };
  const Case cases[] = {{"a.mp3", 0},  {"Вальс.mp3", 1}, {"вальс.mp3", 3},
                        {"a.mp3x", 2}, {"A.MP3", -1},    {"a.mp", -1},
                        {"b.mp3", 5},  {"", -1},         {"ВАЛЬС.mp3", -1}};
  for (const Case& c : cases) EXPECT_EQ(findListItem(21, c.text), c.found) << c.text;
  EXPECT_EQ(gadgetValue(21), 5);  // reading the entries selects nothing
  EXPECT_EQ(findListItem(99, "a.mp3"), -1);
}

}  // namespace
