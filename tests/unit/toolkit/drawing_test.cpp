#include "toolkit/drawing.h"

#include <gtest/gtest.h>
#include <png.h>

#include <vector>

#include "gdi_room.h"
#include "pixels.h"
#include "png_fixture.h"
#include "toolkit/facilities.h"
#include "toolkit/images.h"

namespace {

constexpr int kSide = 8;
constexpr int kOrange = 0x0080FF, kTeal = 0x808000, kBlue = 0xFF0000, kRed = 0x0000FF;

struct Box {
  int x, y, width, height;
  bool holds(int px, int py) const {
    return px >= x && px < x + width && py >= y && py < y + height;
  }
};

// The picture of kSide x kSide black pixels with one box in the colour.
std::vector<int> expectedBox(Box box, int colour) {
  std::vector<int> pixels;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) pixels.push_back(box.holds(x, y) ? colour : 0);
  return pixels;
}

class Drawing : public ::testing::Test {
 protected:
  void TearDown() override {
    releaseDrawing();
    releaseImages();
  }
};

TEST_F(Drawing, BeginGivesAContextWithBlackDefaults) {
  EXPECT_EQ(beginImageDrawing(4), nullptr);
  ASSERT_NE(newImage(4, kSide, kSide, 32), nullptr);
  HDC dc = beginImageDrawing(4);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), imageHandle(4));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
}

TEST_F(Drawing, BeginningAgainEndsThePreviousDrawing) {
  newImage(1, kSide, kSide, 32);
  newImage(2, kSide, kSide, 32);
  HDC first = beginImageDrawing(1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(beginImageDrawing(2), nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(beginImageDrawing(3), nullptr);
  fillBox(0, 0, kSide, kSide, kOrange);  // no target now: nothing happens
  blitImage(newImage(5, 2, 2, 24), 0, 0, 0, 0);
  EXPECT_EQ(readPixels(imageHandle(2)), std::vector<int>(kSide * kSide, 0));
}

// The box covers x <= px < x + width, edges and inside alike, cut at the image.
TEST_F(Drawing, FillBoxCoversExactlyItsPixels) {
  const struct {
    Box box;
    Box visible;
  } cases[] = {
      {{2, 3, 3, 2}, {2, 3, 3, 2}},
      {{0, 0, 1, 1}, {0, 0, 1, 1}},
      {{-2, -2, 4, 4}, {0, 0, 2, 2}},
      {{6, 5, 10, 10}, {6, 5, 2, 3}},
      {{3, 3, 0, 4}, {0, 0, 0, 0}},
      {{3, 3, -2, 4}, {0, 0, 0, 0}},
      {{0, 0, kSide, kSide}, {0, 0, kSide, kSide}},
  };
  for (int depth : {24, 32}) {
    for (const auto& c : cases) {
      newImage(0, kSide, kSide, depth);
      beginImageDrawing(0);
      fillBox(c.box.x, c.box.y, c.box.width, c.box.height, kOrange);
      endDrawing();
      EXPECT_EQ(readPixels(imageHandle(0)), expectedBox(c.visible, kOrange))
          << depth << ": " << c.box.x << "," << c.box.y << " " << c.box.width << "x"
          << c.box.height;
    }
  }
}

// A 3 x 2 source whose every pixel differs, so a shifted copy shows.
HBITMAP makeSource(int image) {
  PngPicture p{3, 2, PNG_COLOR_TYPE_RGB, 8, false, {}, {}};
  for (int i = 0; i < 6; ++i)
    p.rows.insert(p.rows.end(), {static_cast<unsigned char>(40 * i + 10), 5, 9});
  std::vector<unsigned char> bytes = encodePng(p);
  return decodeImage(image, bytes.data(), bytes.size());
}

int sourcePixel(int sx, int sy) { return (40 * (sy * 3 + sx) + 10) | 5 << 8 | 9 << 16; }

std::vector<int> expectedCopy(int x, int y) {
  std::vector<int> pixels;
  for (int py = 0; py < kSide; ++py)
    for (int px = 0; px < kSide; ++px) {
      bool inside = px >= x && px < x + 3 && py >= y && py < y + 2;
      pixels.push_back(inside ? sourcePixel(px - x, py - y) : 0);
    }
  return pixels;
}

TEST_F(Drawing, BlitCopiesPixelForPixelAndCutsAtTheEdges) {
  HBITMAP source = makeSource(9);
  ASSERT_NE(source, nullptr);
  const struct {
    int x, y, width, height;
  } cases[] = {{0, 0, 0, 0}, {2, 1, 3, 2}, {6, 7, 0, 0}, {-1, -1, 3, 2}, {5, 6, 3, 0}};
  for (const auto& c : cases) {
    newImage(0, kSide, kSide, 32);
    beginImageDrawing(0);
    blitImage(source, c.x, c.y, c.width, c.height);
    endDrawing();
    EXPECT_EQ(readPixels(imageHandle(0)), expectedCopy(c.x, c.y)) << c.x << "," << c.y;
  }
}

// Alpha 0 must not make the copy transparent: every drawing ignores alpha.
TEST_F(Drawing, BlitOfAnImageWithAlphaIsOpaque) {
  PngPicture p{1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {200, 100, 50, 0}, {}};
  std::vector<unsigned char> bytes = encodePng(p);
  HBITMAP source = decodeImage(9, bytes.data(), bytes.size());
  newImage(0, kSide, kSide, 24);
  beginImageDrawing(0);
  fillBox(0, 0, kSide, kSide, kTeal);
  blitImage(source, 3, 3, 0, 0);
  endDrawing();
  EXPECT_EQ(readPixels(imageHandle(0)), [] {
    std::vector<int> pixels = expectedBox({0, 0, kSide, kSide}, kTeal);
    pixels[3 * kSide + 3] = 200 | 100 << 8 | 50 << 16;
    return pixels;
  }());
}

TEST_F(Drawing, BlitOfAnotherSizeStretches) {
  HBITMAP source = newImage(9, 2, 1, 32);
  beginImageDrawing(9);
  fillBox(0, 0, 1, 1, kRed);
  fillBox(1, 0, 1, 1, kBlue);
  newImage(0, kSide, kSide, 32);
  beginImageDrawing(0);
  blitImage(source, 0, 0, kSide, kSide);
  endDrawing();
  std::vector<int> pixels = readPixels(imageHandle(0));
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kSide * kSide));
  for (int y = 0; y < kSide; ++y) {
    EXPECT_EQ(pixels[y * kSide], kRed) << y;
    EXPECT_EQ(pixels[y * kSide + kSide - 1], kBlue) << y;
  }
}

TEST_F(Drawing, BlitOfTheTargetOntoItself) {
  newImage(0, kSide, kSide, 32);
  beginImageDrawing(0);
  fillBox(0, 0, 2, 2, kOrange);
  blitImage(imageHandle(0), 4, 4, 0, 0);
  endDrawing();
  std::vector<int> expected = expectedBox({0, 0, 2, 2}, kOrange);
  for (int y = 4; y < 6; ++y)
    for (int x = 4; x < 6; ++x) expected[y * kSide + x] = kOrange;
  EXPECT_EQ(readPixels(imageHandle(0)), expected);
}

// Replacing the image under drawing must delete its bitmap, which GDI only
// allows once the bitmap is out of the drawing context.
TEST_F(Drawing, ReplacingTheTargetImageEndsTheDrawing) {
  HBITMAP old = newImage(0, kSide, kSide, 32);
  HDC dc = beginImageDrawing(0);
  newImage(0, kSide, kSide, 32);
  EXPECT_EQ(GetObjectType(old), 0u);
  EXPECT_EQ(GetObjectType(dc), 0u);
  fillBox(0, 0, kSide, kSide, kOrange);
  EXPECT_EQ(readPixels(imageHandle(0)), std::vector<int>(kSide * kSide, 0));
}

std::vector<unsigned char> smallPng() {
  return encodePng({2, 2, PNG_COLOR_TYPE_RGB, 8, false, std::vector<unsigned char>(12, 9), {}});
}

// One round of everything that makes GDI objects, ending with nothing drawn;
// false when the system refused one of them.
bool makeAndDropObjects(int round, HBITMAP source, const std::vector<unsigned char>& png) {
  bool made = newImage(round % 3, 16, 16, 32) && newScreenImage(3, 16, 16);
  made = beginImageDrawing(round % 3) && made;
  fillBox(1, 1, 5, 5, kOrange);
  blitImage(source, 0, 0, 0, 0);
  blitImage(source, 0, 0, 7, 5);
  made = decodeImage(4, png.data(), png.size()) && made;
  decodeImage(5, png.data(), png.size() / 2);
  endDrawing();
  return made;
}

TEST_F(Drawing, RoundsOfImagesAndDrawingLeaveNoGdiObjectBehind) {
  std::vector<unsigned char> png = smallPng();
  int room = gdiRoom();
  ASSERT_GT(room, 1000);
  HBITMAP source = makeSource(9);
  for (int round = 0; round < 50; ++round)
    ASSERT_TRUE(makeAndDropObjects(round, source, png)) << round;
  EXPECT_LT(gdiRoom(), room) << "the images still held count";
  releaseDrawing();
  releaseImages();
  EXPECT_EQ(gdiRoom(), room);
}

}  // namespace
