#include "deck_fixture.h"

#include <gtest/gtest.h>
#include <png.h>

#include "../toolkit/pixels.h"
#include "../toolkit/png_fixture.h"
#include "toolkit/images.h"
#include "toolkit/toolkit.h"
#include "toolkit/unique_handle.h"

namespace {

// The toolkit is started once for the whole executable, as a program does.
class ToolkitEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { startToolkit(); }
  void TearDown() override { releaseToolkit(); }
};

const auto* const kToolkit = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

// The build's layer with its x taken from the test deck instead.
CanvasLayer FollowingX(const CanvasLayer& layer, const int* x) {
  CanvasLayer copy = layer;
  copy.x = x;
  return copy;
}

}  // namespace

TestDeck::TestDeck(Build build, TitleForm title) {
  state.volume = 1.0f;
  state.volumeKnobX = 20;
  profile = build == Build::Full ? full::kProfile : mini::kProfile;
  profile.titleForm = title;
  if (build == Build::Full) {
    const std::span<const CanvasLayer> layers = full::kProfile.above;
    beneath[0] = FollowingX(full::kProfile.beneath[0], &fullSkinX);
    above = {FollowingX(layers[0], &powerSwitchX), FollowingX(layers[1], &powerLampX),
             FollowingX(layers[2], &glowCanvasX)};
    profile.beneath = std::span<const CanvasLayer>(beneath.data(), 1);
    profile.above = above;
  } else {
    const std::span<const CanvasLayer> layers = mini::kProfile.beneath;
    beneath = {FollowingX(layers[0], &pausedSkinX), FollowingX(layers[1], &playingSkinX)};
    profile.beneath = beneath;
  }
}

HBITMAP PaintedImage(int image, int width, int height,
                     const std::function<int(int, int)>& colourAt) {
  HBITMAP bitmap = newImage(image, width, height, 32);
  if (!bitmap) return nullptr;
  std::vector<DWORD> bgr;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int c = colourAt(x, y);
      bgr.push_back(static_cast<DWORD>((c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16));
    }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  SetDIBits(screen, bitmap, 0, height, bgr.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

HBITMAP SolidImage(int image, int width, int height, int colour) {
  return PaintedImage(image, width, height, [colour](int, int) { return colour; });
}

std::vector<int> ImagePixels(int image) { return readPixels(imageHandle(image)); }

std::string TemporaryFolder(const std::string& name) {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

bool WritePng(const std::string& path, int width, int height,
              const std::function<int(int, int)>& colourAt) {
  PngPicture picture{width, height, PNG_COLOR_TYPE_RGB, 8, false, {}, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int c = colourAt(x, y);
      picture.rows.insert(picture.rows.end(), {static_cast<unsigned char>(c & 0xFF),
                                               static_cast<unsigned char>(c >> 8 & 0xFF),
                                               static_cast<unsigned char>(c >> 16 & 0xFF)});
    }
  std::vector<unsigned char> bytes = encodePng(picture);
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || bytes.empty()) return false;
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return written == bytes.size();
}
