#pragma once
// Test decks: the shared state record, the x of each canvas layer, and the
// full or the mini build's own DeckProfile whose layers follow them.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "full/skin_table.h"
#include "mini/skin_table.h"
#include "player/library_transport.h"
#include "profile/colour.h"
#include "profile/deck.h"

enum class Build { Full, Mini };

// Image numbers of the full build's renderer.
constexpr int kFullSkinImage = full::kSkin, kSwitchImage = full::kPowerSwitchOff,
              kLampImage = full::kPowerLampLit, kGlowImage = full::kStartButtonLit;
// Image numbers of the mini build's skins: paused, playing.
constexpr int kPausedSkinImage = mini::kPausedSkin, kPlayingSkinImage = mini::kPlayingSkin;

// Non-movable: the profile points into the deck itself.
struct TestDeck {
  explicit TestDeck(Build build, TitleForm title = TitleForm::EntryName);
  TestDeck(const TestDeck&) = delete;
  TestDeck& operator=(const TestDeck&) = delete;

  // The deck as the shared procedures take it.
  Deck AsDeck() { return {state, transport, profile}; }

  DeckState state{};
  LibraryTransport transport;
  // Full build: the overlays' x; kHidden puts one outside the canvas.
  int powerSwitchX = full::kHidden, powerLampX = full::kPowerLampOn, glowCanvasX = full::kHidden;
  // Mini build: the x of the paused and the playing skin.
  int pausedSkinX = mini::kSkinAway, playingSkinX = mini::kSkinShown;
  // Full build: the skin's fixed x.
  int fullSkinX = -full::kCanvasLeft;
  std::array<CanvasLayer, 2> beneath{};
  std::array<CanvasLayer, 3> above{};
  DeckProfile profile{};
};

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
