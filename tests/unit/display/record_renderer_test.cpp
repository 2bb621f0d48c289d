#include "display/record_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "deck_fixture.h"
#include "display/gdiplus.h"
#include "display/headshell.h"
#include "toolkit/facilities.h"
#include "toolkit/images.h"
#include "toolkit/libraries.h"

namespace {

constexpr int kFullSide = full::kCanvasSize, kMiniSide = mini::kCanvasSize;
const int kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255),
          kYellow = Rgb(255, 255, 0);
const int kLamp = Rgb(10, 250, 230), kGlow = Rgb(250, 250, 240);

// Every client pixel of the full skin has its own colour, so an offset of
// one pixel shows. Blue stays low, apart from the overlays' colours.
int SkinColour(int x, int y) { return Rgb(x & 0xFF, y & 0xFF, (x >> 8) * 2 + (y >> 8) * 4 + 1); }
int SwitchColour(int column, int) { return Rgb(250, column * 12, 203); }

// Quadrants: red top left, green top right, blue bottom left, yellow bottom right.
int QuadrantColour(int x, int y, int side) {
  bool right = x >= side / 2, bottom = y >= side / 2;
  if (bottom) return right ? kYellow : kBlue;
  return right ? kGreen : kRed;
}

std::string PictureFolder() {
  static const std::string folder = TemporaryFolder("display-tests");
  return folder;
}

// The name is Cyrillic on purpose: it reaches GDI+ through the ANSI code page.
std::string QuadrantPicture() {
  static const std::string path = [] {
    std::string file = PictureFolder() + "ровел_проба.png";
    WritePng(file, 64, 64, [](int x, int y) { return QuadrantColour(x, y, 64); });
    return file;
  }();
  return path;
}

int At(const std::vector<int>& pixels, int side, int x, int y) {
  return pixels[static_cast<std::size_t>(y) * side + x];
}

// The full frame as it must look without any record: the skin (or the fill),
// then the headshell boxes in order, then the switch, the lamp and the glow.
struct ExpectedFrame {
  std::vector<int> colour;
  std::vector<bool> overlay;
};

ExpectedFrame FrameWithoutRecord(const TestDeck& s, bool skin) {
  ExpectedFrame frame{std::vector<int>(kFullSide * kFullSide),
                      std::vector<bool>(kFullSide * kFullSide)};
  for (int y = 0; y < kFullSide; ++y)
    for (int x = 0; x < kFullSide; ++x)
      frame.colour[y * kFullSide + x] =
          skin ? SkinColour(x + full::kCanvasLeft, y + full::kCanvasTop)
               : full::kProfile.canvasFill;
  auto paint = [&](int left, int top, int width, int height, auto colourAt) {
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x)
        if (x >= 0 && y >= 0 && x < kFullSide && y < kFullSide) {
          frame.colour[y * kFullSide + x] = colourAt(x - left, y - top);
          frame.overlay[y * kFullSide + x] = true;
        }
  };
  for (const HeadshellBox& box : HeadshellBoxes())
    paint(box.x, box.top, box.width, box.height, [&](int, int) { return box.colour; });
  const auto& [powerSwitch, lamp, glow] = s.above;
  paint(s.powerSwitchX, powerSwitch.y, powerSwitch.width, powerSwitch.height, SwitchColour);
  paint(s.powerLampX, lamp.y, lamp.width, lamp.height, [](int, int) { return kLamp; });
  paint(s.glowCanvasX, glow.y, glow.width, glow.height, [](int, int) { return kGlow; });
  return frame;
}

int CountDifferences(const std::vector<int>& frame, const ExpectedFrame& expected,
                     bool overlaysOnly) {
  if (frame.size() != expected.colour.size()) return -1;
  int differences = 0;
  for (std::size_t i = 0; i < frame.size(); ++i)
    if ((!overlaysOnly || expected.overlay[i]) && frame[i] != expected.colour[i]) ++differences;
  return differences;
}

class RecordFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    token_ = StartGdiplus();
    newImage(kCanvasImage, kFullSide, kFullSide, 32);
    const auto& [powerSwitch, lamp, glow] = deck_.above;
    PaintedImage(kFullSkinImage, kDeck.clientWidth, kDeck.closedHeight, SkinColour);
    PaintedImage(kSwitchImage, powerSwitch.width, powerSwitch.height, SwitchColour);
    SolidImage(kLampImage, lamp.width, lamp.height, kLamp);
    SolidImage(kGlowImage, glow.width, glow.height, kGlow);
  }
  void TearDown() override {
    StopGdiplus(token_);
    releaseImages();
  }
  std::vector<int> Draw(void* bitmap, float angle) {
    DrawRecord(deck_.profile, bitmap, kCanvasImage, angle);
    return ImagePixels(kCanvasImage);
  }

  std::uintptr_t token_ = 0;
  TestDeck deck_{Build::Full};
};

struct TurnCase {
  float angle;
  int topLeft, topRight, bottomLeft, bottomRight;
};

// The negative extents mirror both axes, a half turn at angle 0; a growing
// angle turns the record clockwise.
TEST_F(RecordFrame, RecordIsHalfTurnedAtZeroAndTurnsClockwise) {
  ASSERT_NE(token_, 0u);
  void* picture = LoadDiscBitmap(QuadrantPicture());
  ASSERT_NE(picture, nullptr);
  const TurnCase cases[] = {{0.0f, kYellow, kBlue, kGreen, kRed},
                            {90.0f, kGreen, kYellow, kRed, kBlue},
                            {180.0f, kRed, kGreen, kBlue, kYellow},
                            {270.0f, kBlue, kRed, kYellow, kGreen}};
  for (const TurnCase& c : cases) {
    std::vector<int> frame = Draw(picture, c.angle);
    ASSERT_EQ(frame.size(), static_cast<std::size_t>(kFullSide * kFullSide));
    EXPECT_EQ(At(frame, kFullSide, 80, 80), c.topLeft) << c.angle;
    EXPECT_EQ(At(frame, kFullSide, 220, 80), c.topRight) << c.angle;
    EXPECT_EQ(At(frame, kFullSide, 80, 220), c.bottomLeft) << c.angle;
    EXPECT_EQ(At(frame, kFullSide, 200, 200), c.bottomRight) << c.angle;
  }
}

// A picture of any size is stretched over the whole canvas square. GDI+
// blends the outermost source pixel with what lies beneath, so inside that
// margin the picture's colour is exact, and at each edge's middle it still
// shows.
TEST_F(RecordFrame, PictureOfAnySizeFillsTheCanvas) {
  const int purple = Rgb(120, 30, 200);
  const struct { int width, height; } sizes[] = {{3, 3}, {17, 9}, {64, 64}, {600, 600}, {640, 480}};
  const ExpectedFrame bare = FrameWithoutRecord(deck_, true);
  for (auto size : sizes) {
    std::string file = PictureFolder() + "solid" + std::to_string(size.width) + ".png";
    ASSERT_TRUE(WritePng(file, size.width, size.height, [&](int, int) { return purple; }));
    void* picture = LoadDiscBitmap(file);
    ASSERT_NE(picture, nullptr) << size.width;
    std::vector<int> frame = Draw(picture, 0.0f);
    ASSERT_EQ(frame.size(), bare.colour.size());
    int side = std::min(size.width, size.height);
    int margin = (kFullSide + side - 1) / side + 1;
    int wrong = 0;
    for (int y = margin; y < kFullSide - margin; ++y)
      for (int x = margin; x < kFullSide - margin; ++x)
        if (!bare.overlay[y * kFullSide + x] && At(frame, kFullSide, x, y) != purple) ++wrong;
    EXPECT_EQ(wrong, 0) << size.width << "x" << size.height;
    for (auto [x, y] : {std::pair{2, 150}, {297, 150}, {150, 2}, {150, 297}})
      EXPECT_NE(At(frame, kFullSide, x, y), bare.colour[y * kFullSide + x])
          << size.width << "x" << size.height << " at " << x << "," << y;
  }
}

// The headshell boxes and the lamp are drawn unturned after the record, so
// they are the same exact pixels at every angle.
TEST_F(RecordFrame, OverlaysAreExactPixelsAtEveryAngle) {
  void* picture = LoadDiscBitmap(QuadrantPicture());
  ASSERT_NE(picture, nullptr);
  deck_.glowCanvasX = 0;
  const ExpectedFrame expected = FrameWithoutRecord(deck_, true);
  for (float angle : {0.0f, 33.3f, 90.0f, 181.7f, 270.5f, 359.9f})
    EXPECT_EQ(CountDifferences(Draw(picture, angle), expected, true), 0) << angle;
}

TEST_F(RecordFrame, HeadshellCoversItsColumnsAndRows) {
  int left = 1000, right = -1, top = 1000, wide = 0;
  for (const HeadshellBox& box : HeadshellBoxes()) {
    left = std::min(left, box.x);
    right = std::max(right, box.x + box.width - 1);
    top = std::min(top, box.top);
    if (box.width != 1) ++wide;
  }
  EXPECT_EQ(HeadshellBoxes().size(), 189u);
  EXPECT_EQ(left, 225);
  EXPECT_EQ(right, 289);
  EXPECT_EQ(top, 203);
  EXPECT_EQ(wide, 1);
  EXPECT_EQ(HeadshellBoxes().front().colour, Rgb(122, 124, 123));
  EXPECT_EQ(HeadshellBoxes().back().x, 253);
}

struct SwitchCase {
  int powerSwitchX;
  int powerLampX;
};

// Power off puts the switch at kPowerSwitchOffX, cut by the canvas edge; power on moves it
// wholly outside, and the lamp onto the canvas. Without a record every
// other pixel is the skin, so the whole frame is known.
TEST_F(RecordFrame, SwitchAndLampFollowTheirFields) {
  const SwitchCase cases[] = {{full::kPowerSwitchOffX, full::kHidden},
                              {full::kHidden, full::kPowerLampOn},
                              {full::kHidden, full::kHidden}};
  for (const SwitchCase& c : cases) {
    deck_.powerSwitchX = c.powerSwitchX;
    deck_.powerLampX = c.powerLampX;
    std::vector<int> frame = Draw(nullptr, 0.0f);
    EXPECT_EQ(CountDifferences(frame, FrameWithoutRecord(deck_, true), false), 0)
        << c.powerSwitchX << " " << c.powerLampX;
  }
  deck_.powerSwitchX = full::kPowerSwitchOffX;
  std::vector<int> off = Draw(nullptr, 0.0f);
  EXPECT_EQ(At(off, kFullSide, 0, 9), SwitchColour(6, 0));
  EXPECT_EQ(At(off, kFullSide, 14, 26), SwitchColour(20, 0));
  EXPECT_EQ(At(off, kFullSide, 15, 9), SkinColour(45, 26));
}

struct MissingCase {
  const char* name;
  bool gdiplusMissing;
  bool skinMissing;
};

// Without gdiplus.dll or without the picture every GDI+ call fails and the
// frame is the fill, the skin and the overlays, pixel for pixel.
TEST_F(RecordFrame, WithoutGdiplusOrPictureTheFrameIsSkinAndOverlays) {
  const MissingCase cases[] = {{"picture missing", false, false},
                               {"gdiplus.dll missing", true, false},
                               {"skin missing too: the fill shows", true, true}};
  for (const MissingCase& c : cases) {
    if (c.gdiplusMissing) {
      StopGdiplus(token_);
      token_ = 0;
      EXPECT_EQ(loadLibraryAs(kGdiplusLibrary, "no-such-gdiplus.dll"), nullptr);
    }
    if (c.skinMissing) deck_.beneath[0].image = 99;
    void* picture = LoadDiscBitmap(PictureFolder() + "нет такого.png");
    EXPECT_EQ(picture, nullptr) << c.name;
    deck_.powerSwitchX = full::kPowerSwitchOffX;
    std::vector<int> frame = Draw(picture, 45.0f);
    EXPECT_EQ(CountDifferences(frame, FrameWithoutRecord(deck_, !c.skinMissing), false), 0)
        << c.name;
  }
}

// In the mini build the skin whose x is kSkinAway lies outside the canvas,
// the one at kSkinShown shows; pausing swaps them on the next frame.
TEST(MiniRecordFrame, PausingSwapsTheSkinBehindTheRecord) {
  std::uintptr_t token = StartGdiplus();
  TestDeck deck(Build::Mini);
  newImage(kCanvasImage, kMiniSide, kMiniSide, 32);
  const int paused = Rgb(90, 40, 10), playing = Rgb(10, 40, 90);
  SolidImage(kPausedSkinImage, kDeck.clientWidth, kDeck.openHeight, paused);
  SolidImage(kPlayingSkinImage, kDeck.clientWidth, kDeck.openHeight, playing);
  void* picture = LoadDiscBitmap(QuadrantPicture());
  ASSERT_NE(picture, nullptr);
  const struct {
    int pausedX, playingX, corner;
  } cases[] = {{mini::kSkinShown, mini::kSkinAway, paused},
               {mini::kSkinAway, mini::kSkinShown, playing},
               {mini::kSkinShown, mini::kSkinAway, paused}};
  for (auto c : cases) {
    deck.pausedSkinX = c.pausedX;
    deck.playingSkinX = c.playingX;
    DrawRecord(deck.profile, picture, kCanvasImage, 45.0f);
    std::vector<int> frame = ImagePixels(kCanvasImage);
    ASSERT_EQ(frame.size(), static_cast<std::size_t>(kMiniSide * kMiniSide));
    EXPECT_EQ(At(frame, kMiniSide, 0, 0), c.corner);
    EXPECT_EQ(At(frame, kMiniSide, kMiniSide - 1, kMiniSide - 1), c.corner);
    EXPECT_EQ(At(frame, kMiniSide, 68, 30), kYellow);  // the half turn, then 45 degrees on
  }
  deck.pausedSkinX = deck.playingSkinX = mini::kSkinAway;
  DrawRecord(deck.profile, nullptr, kCanvasImage, 0.0f);
  EXPECT_EQ(ImagePixels(kCanvasImage)[70 * kMiniSide + 70], mini::kProfile.canvasFill);
  StopGdiplus(token);
  releaseImages();
}

TEST(WideFileName, ConvertsTheAnsiTextToASystemString) {
  const struct {
    std::string ansi;
    std::wstring wide;
  } cases[] = {{"", L""}, {"a.png", L"a.png"}, {"ровел_мини4.png", L"ровел_мини4.png"}};
  for (const auto& c : cases) {
    BSTR text = WideFileName(c.ansi);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text, SysStringLen(text)), c.wide);
    SysFreeString(text);
  }
}

TEST(Gdiplus, StartsAndStopsByName) {
  std::uintptr_t token = StartGdiplus();
  EXPECT_NE(token, 0u);
  EXPECT_NE(libraryFunction(kGdiplusLibrary, "GdipDrawImageRectI"), nullptr);
  EXPECT_EQ(StopGdiplus(token), 0);
  EXPECT_EQ(libraryFunction(kGdiplusLibrary, "GdipDrawImageRectI"), nullptr);
}

}  // namespace
