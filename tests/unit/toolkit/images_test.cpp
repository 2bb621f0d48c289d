#include "toolkit/images.h"

#include <gtest/gtest.h>
#include <io.h>
#include <png.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pixels.h"
#include "png_fixture.h"
#include "toolkit/facilities.h"

namespace {

constexpr int kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// Colours as red + green * 256 + blue * 65536.
int rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

PngPicture rgbPicture() {
  PngPicture p;
  p.width = 2;
  p.height = 2;
  p.colourType = PNG_COLOR_TYPE_RGB;
  p.rows = {255, 0, 0, 0, 255, 0, /**/ 0, 0, 255, 10, 20, 30};
  return p;
}

struct DecodeCase {
  const char* name;
  PngPicture picture;
  int depth;
  std::vector<int> pixels;
};

std::vector<DecodeCase> decodeCases() {
  std::vector<DecodeCase> cases;
  cases.push_back({"rgb", rgbPicture(), 24, {kRed, kGreen, kBlue, rgb(10, 20, 30)}});
  PngPicture rgba{2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {255, 0, 0, 0, 1, 2, 3, 128}, {}};
  cases.push_back({"rgba, alpha kept out of the colour", rgba, 32, {kRed, rgb(1, 2, 3)}});
  PngPicture palette{
      3, 1, PNG_COLOR_TYPE_PALETTE, 4, false, {0x21, 0x00}, {255, 255, 255, 0, 0, 255, 0, 255, 0}};
  cases.push_back({"4-bit palette", palette, 24, {kGreen, kBlue, kWhite}});
  PngPicture grey{3, 1, PNG_COLOR_TYPE_GRAY, 8, false, {0, 128, 255}, {}};
  cases.push_back({"8-bit grey", grey, 24, {0, rgb(128, 128, 128), kWhite}});
  PngPicture bits{4, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0xA0}, {}};
  cases.push_back({"1-bit grey", bits, 24, {kWhite, 0, kWhite, 0}});
  PngPicture deep{1, 1, PNG_COLOR_TYPE_RGB, 16, false, {0xAB, 0xCD, 0x12, 0x34, 0xFF, 0x00}, {}};
  cases.push_back({"16-bit rgb", deep, 24, {rgb(0xAB, 0x12, 0xFF)}});
  PngPicture greyAlpha{1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, {0x40, 0, 0, 0}, {}};
  cases.push_back({"16-bit grey with alpha", greyAlpha, 32, {rgb(0x40, 0x40, 0x40)}});
  return cases;
}

TEST(DecodeImage, EveryColourLayoutBecomesItsDepthAndColours) {
  enablePngDecoding();
  for (const DecodeCase& c : decodeCases()) {
    std::vector<unsigned char> bytes = encodePng(c.picture);
    ASSERT_FALSE(bytes.empty()) << c.name;
    HBITMAP bitmap = decodeImage(3, bytes.data(), bytes.size());
    ASSERT_NE(bitmap, nullptr) << c.name;
    EXPECT_EQ(imageHandle(3), bitmap) << c.name;
    EXPECT_EQ(imageWidth(3), c.picture.width) << c.name;
    EXPECT_EQ(imageHeight(3), c.picture.height) << c.name;
    EXPECT_EQ(bitsPerPixel(bitmap), c.depth) << c.name;
    EXPECT_EQ(readPixels(bitmap), c.pixels) << c.name;
  }
  releaseImages();
}

// Adam7 delivers the rows in seven passes; each pixel must land once.
TEST(DecodeImage, InterlacedPictureIsWhole) {
  PngPicture p{9, 9, PNG_COLOR_TYPE_RGB, 8, true, {}, {}};
  std::vector<int> expected;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      p.rows.insert(p.rows.end(),
                    {static_cast<unsigned char>(x * 20), static_cast<unsigned char>(y * 20), 7});
      expected.push_back(rgb(x * 20, y * 20, 7));
    }
  std::vector<unsigned char> bytes = encodePng(p);
  HBITMAP bitmap = decodeImage(0, bytes.data(), bytes.size());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(readPixels(bitmap), expected);
  releaseImages();
}

// What the code under test wrote to stderr, through a file put in its place.
template <class Run>
std::string stderrDuring(Run run) {
  char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "tk2", 0, path);
  std::fflush(stderr);
  int saved = _dup(_fileno(stderr));
  if (!std::freopen(path, "w", stderr)) return "stderr could not be redirected";
  run();
  std::fflush(stderr);
  _dup2(saved, _fileno(stderr));
  _close(saved);
  std::ifstream in(path);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(path);
  return text;
}

// Every cut of a valid file, plus bytes that were never a PNG: 0 each time,
// and the image that the number held before is gone too.
TEST(DecodeImage, BrokenBytesYieldNothing) {
  std::vector<unsigned char> good = encodePng(rgbPicture());
  ASSERT_GT(good.size(), 60u);
  std::vector<std::vector<unsigned char>> broken;
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    broken.emplace_back(good.begin(), good.begin() + cut);
  broken.push_back(std::vector<unsigned char>(64, 0x5A));
  std::vector<unsigned char> badCrc = good;
  badCrc.at(good.size() - 20) ^= 0xFF;  // inside the compressed pixels
  broken.push_back(badCrc);
  std::vector<unsigned char> badHeader = good;
  badHeader.at(12 + 4 + 8) = 3;  // IHDR bit depth 3 does not exist
  broken.push_back(badHeader);
  std::string written = stderrDuring([&] {
    for (const auto& bytes : broken) {
      ASSERT_NE(decodeImage(5, good.data(), good.size()), nullptr);
      HBITMAP old = imageHandle(5);
      EXPECT_EQ(decodeImage(5, bytes.data(), bytes.size()), nullptr) << bytes.size();
      EXPECT_EQ(imageHandle(5), nullptr) << bytes.size();
      EXPECT_EQ(imageWidth(5), 0);
      EXPECT_EQ(GetObjectType(old), 0u) << "the replaced bitmap must be deleted";
    }
  });
  EXPECT_EQ(written, "") << "libpng must stay silent";
  EXPECT_EQ(decodeImage(5, nullptr, 100), nullptr);
}

SIZE_T committedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

// libpng's read and info structs take some 7 KB a decode; a failure that
// skipped their release would add about 20 MB over these rounds.
TEST(DecodeImage, FailuresReleaseLibpngMemory) {
  PngPicture p{64, 64, PNG_COLOR_TYPE_RGB, 8, false, std::vector<unsigned char>(64 * 64 * 3, 77),
               {}};
  std::vector<unsigned char> good = encodePng(p);
  for (int round = 0; round < 200; ++round) decodeImage(1, good.data(), good.size() / 2);
  SIZE_T before = committedBytes();
  ASSERT_GT(before, 0u);
  for (int round = 0; round < 3000; ++round) {
    std::size_t cut = 9 + static_cast<std::size_t>(round) % (good.size() - 9);
    ASSERT_EQ(decodeImage(1, good.data(), cut), nullptr) << cut;
  }
  EXPECT_LT(committedBytes(), before + (4u << 20));
}

struct MemoryPeaks {
  SIZE_T committed;
  SIZE_T resident;
};

MemoryPeaks memoryPeaks() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return {counters.PeakPagefileUsage, counters.PeakWorkingSetSize};
}

// A 16 x 8 header followed by the header of a chunk that claims 1.8 GB and
// ends there: libpng used to allocate and zero the whole claimed length
// before finding the file ended.
std::vector<unsigned char> overlongChunk(const char* type) {
  std::vector<unsigned char> bytes = {
      0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
      0x44, 0x52, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x08, 0x08, 0x06, 0x00, 0x00,
      0x00, 0xf0, 0x76, 0x7f, 0x97, 0x6e, 0x00, 0x00, 0x0c, 0x74, 0x45, 0x58, 0x74};
  std::copy(type, type + 4, bytes.end() - 4);
  return bytes;
}

TEST(DecodeImage, OverlongChunkAsksForNoMemory) {
  enablePngDecoding();
  for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "eXIf", "prVt"}) {
    const std::vector<unsigned char> bytes = overlongChunk(type);
    ASSERT_EQ(bytes.size(), 41u);
    const MemoryPeaks before = memoryPeaks();
    EXPECT_EQ(decodeImage(6, bytes.data(), bytes.size()), nullptr) << type;
    const MemoryPeaks after = memoryPeaks();
    EXPECT_LT(after.committed, before.committed + (64u << 20)) << type;
    EXPECT_LT(after.resident, before.resident + (64u << 20)) << type;
  }
}

TEST(NewImage, BlackBitmapsOfTheAskedDepth) {
  const struct {
    int depth;
    bool made;
  } cases[] = {{32, true}, {24, true}, {16, true}, {8, false}, {7, false}};
  for (const auto& c : cases) {
    HBITMAP bitmap = newImage(1, 3, 2, c.depth);
    EXPECT_EQ(bitmap != nullptr, c.made) << c.depth;
    if (!bitmap) continue;
    EXPECT_EQ(bitsPerPixel(bitmap), c.depth);
    EXPECT_EQ(readPixels(bitmap), std::vector<int>(6, 0)) << c.depth;
  }
  EXPECT_EQ(newImage(1, 0, 5, 32), nullptr);
  EXPECT_EQ(newImage(1, 5, -1, 32), nullptr);
  EXPECT_EQ(imageHandle(1), nullptr);
  releaseImages();
}

TEST(NewScreenImage, DisplayFormatFilledBlack) {
  HBITMAP bitmap = newScreenImage(2, 4, 3);
  ASSERT_NE(bitmap, nullptr);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(bitsPerPixel(bitmap), GetDeviceCaps(screen, BITSPIXEL));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(imageWidth(2), 4);
  EXPECT_EQ(imageHeight(2), 3);
  EXPECT_EQ(readPixels(bitmap), std::vector<int>(12, 0));
  EXPECT_EQ(newScreenImage(2, 0, 0), nullptr);
  releaseImages();
}

TEST(Images, NumbersWithoutImageYieldZero) {
  releaseImages();
  EXPECT_EQ(imageHandle(9), nullptr);
  EXPECT_EQ(imageWidth(9), 0);
  EXPECT_EQ(imageHeight(-1), 0);
}

// GetObjectType answers 0 for a deleted GDI handle.
TEST(Images, ReleaseDeletesEveryBitmap) {
  std::vector<unsigned char> bytes = encodePng(rgbPicture());
  std::vector<HBITMAP> made = {newImage(0, 8, 8, 32), newScreenImage(1, 8, 8),
                               decodeImage(2, bytes.data(), bytes.size())};
  HBITMAP replaced = made[0];
  made.push_back(newImage(0, 4, 4, 24));
  EXPECT_EQ(GetObjectType(replaced), 0u);
  made.erase(made.begin());
  for (HBITMAP bitmap : made) EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  releaseImages();
  for (HBITMAP bitmap : made) EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
