#pragma once
// When a frame of the record is drawn: once the picture differs from the
// frame shown (a layer of the canvas moved, or the record turned far enough
// to move a point on its rim by about a pixel), and never sooner than one
// display refresh after the frame shown. So a still deck draws nothing, a
// creeping record gets a few frames a second and a playing one the display's
// rate. Platform-free.
#include <array>

#include "profile/pass_input.h"

// Where every layer of the canvas lies, and the record's angle.
constexpr int kMostCanvasLayers = 4;
struct FramePicture {
  float angle = 0.0f;
  std::array<int, kMostCanvasLayers> layerX{};
};

struct FramePacing {
  DeckClock::duration refresh;  // the display's refresh interval
  float pixelDegrees;           // the turn that moves a point on the rim by a pixel
};

// The display's refresh rate (60 where the system cannot say) and the radius
// of the record in pixels.
FramePacing PacingFor(int refreshHz, float recordRadius);

struct ShownFrame {
  bool any = false;              // false until the first frame is shown
  DeckClock::time_point slot{};  // the refresh interval it was shown in
  FramePicture picture;
};

bool FrameDue(const ShownFrame& shown, const FramePicture& now, DeckClock::time_point at,
              const FramePacing& pacing);
// When the next frame falls due while the record turns on at degreesPerSecond
// from `now` (the picture as of `at`); time_point::max() when nothing on the
// canvas will change by itself.
DeckClock::time_point NextFrameDue(const ShownFrame& shown, const FramePicture& now,
                                   DeckClock::time_point at, double degreesPerSecond,
                                   const FramePacing& pacing);
// A frame of the picture was shown at `at`, when it was due.
void NoteFrameShown(ShownFrame& shown, const FramePicture& picture, DeckClock::time_point at,
                    const FramePacing& pacing);
