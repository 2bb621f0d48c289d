// Releasing the toolkit frees what it made (windows, controls, the brushes it
// answered colour questions with) and leaves the images it was only lent;
// and the toolkit starts again afterwards, as every test fixture relies on.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "gdi_room.h"
#include "toolkit_window.h"

namespace {

struct Made {
  std::vector<HWND> windows;
  HBRUSH brush = nullptr;
};

Made makeOneOfEach(HBITMAP image) {
  Made made;
  HWND window = newWindow(0, 0, 0, 300, 200, "Проба", kTestWindowFlags);
  setWindowBackdrop(window, image);
  HWND panel = newPanelGadget(20, 0, 100, 300, 100);
  HWND list = newListGadget(21, 5, 5, 150, 80);
  endPanel();
  applyGadgetColours(21, RGB(181, 181, 181), RGB(21, 21, 21));
  HWND link = newLinkGadget(8, 10, 10, 80, 20, "Открыть", RGB(93, 93, 93));
  applyGadgetColours(8, kDefaultColour, kTransparentColour);
  HWND picture = newPictureGadget(1, 100, 10, 0, 0, image);
  made.windows = {window, panel, list, link, picture};
  HDC dc = GetDC(list);
  made.brush = reinterpret_cast<HBRUSH>(SendMessageA(
      panel, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
  ReleaseDC(list, dc);
  drainEvents();
  return made;
}

TEST(Release, FreesWhatTheToolkitMadeAndStartsAgain) {
  UniqueHbitmap image = solidBitmap(20, 20, RGB(0, 0, 255));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    startToolkit();
    Made made = makeOneOfEach(image.get());
    for (HWND handle : made.windows) EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(GetObjectType(made.brush), static_cast<DWORD>(OBJ_BRUSH));

    releaseToolkit();
    for (HWND handle : made.windows) EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(GetObjectType(made.brush), 0u);
    EXPECT_EQ(windowHandle(0), nullptr);
    EXPECT_EQ(gadgetValue(21), 0);
    EXPECT_EQ(GetObjectType(image.get()), static_cast<DWORD>(OBJ_BITMAP));
  }
}

int gdiObjectsInUse() {
  DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return counted ? static_cast<int>(counted) : -gdiRoom();
}

// The first round may leave the system's own caches (scroll bar pictures,
// fonts) behind; later rounds must not add anything.
TEST(Release, GdiObjectsDoNotGrowOverRounds) {
  UniqueHbitmap image = solidBitmap(20, 20, RGB(0, 0, 255));
  auto round = [&] {
    startToolkit();
    makeOneOfEach(image.get());
    releaseToolkit();
    return gdiObjectsInUse();
  };
  int first = round();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(round(), first) << i;
}

}  // namespace
