#pragma once
// Test decks: the shared state record, the x of each canvas layer, and a
// DeckProfile of the full or the mini build's numbers whose layers follow them.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "profile/colour.h"
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

enum class Build { Full, Mini };

// Image numbers of the full build's renderer.
constexpr int kFullSkinImage = 3, kSwitchImage = 5, kLampImage = 6, kGlowImage = 7;
// Image numbers of the mini build's skins: paused, playing.
constexpr int kPausedSkinImage = 25, kPlayingSkinImage = 2;

// Non-movable: the profile points into the deck itself.
struct TestDeck {
  explicit TestDeck(Build build, TitleForm title = TitleForm::EntryName);
  TestDeck(const TestDeck&) = delete;
  TestDeck& operator=(const TestDeck&) = delete;

  DeckState state{};
  // Full build: the overlays' x; -100 puts one outside the canvas.
  int powerSwitchX = -100, powerLampX = 272, glowCanvasX = -100;
  // Mini build: the x of the paused and the playing skin.
  int pausedSkinX = -1000, playingSkinX = -114;
  // Full build: the skin's fixed x.
  int fullSkinX = -30;
  std::array<CanvasLayer, 2> beneath{};
  std::array<CanvasLayer, 3> above{};
  DeckProfile profile{};
};

// Fills every field of the profile but the layers with the numbers of the build.
void FillProfile(DeckProfile& profile, Build build, TitleForm title);

// A 32-bit image whose pixel (x, y) is colourAt(x, y) (red + green * 256 + blue * 65536).
HBITMAP PaintedImage(int image, int width, int height,
                     const std::function<int(int, int)>& colourAt);
HBITMAP SolidImage(int image, int width, int height, int colour);
// Every pixel of the image, rows top to bottom.
std::vector<int> ImagePixels(int image);

// A fresh folder under the system's temporary folder, ending in "\".
std::string TemporaryFolder(const std::string& name);
// Writes an RGB PNG whose pixel (x, y) is colourAt(x, y); true on success.
bool WritePng(const std::string& path, int width, int height,
              const std::function<int(int, int)>& colourAt);
