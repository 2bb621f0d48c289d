#pragma once
// Test decks: a fake state record with the fields the display reads, and a
// DeckProfile of the full or the mini build's numbers pointing into it.
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "../fake_state.h"
#include "player/deck.h"

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

  FakeState state;
  std::array<CanvasLayer, 2> beneath{};
  std::array<CanvasLayer, 3> above{};
  DeckProfile profile{};
};

// Fills every field of the profile with the numbers of the build over state.
void FillProfile(DeckProfile& profile, FakeState& state, Build build, TitleForm title);

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
