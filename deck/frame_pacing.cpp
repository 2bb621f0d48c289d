#include "deck/frame_pacing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kFallbackRefreshHz = 60;

// The shorter way round between two angles.
float DegreesApart(float a, float b) {
  const float apart = std::fabs(a - b);
  return std::min(apart, 360.0f - apart);
}

bool Differs(const ShownFrame& shown, const FramePicture& now, float pixelDegrees) {
  return !shown.any || shown.picture.layerX != now.layerX ||
         DegreesApart(shown.picture.angle, now.angle) >= pixelDegrees;
}

}  // namespace

// A system that cannot say answers 0 or 1 ("the hardware's default").
FramePacing PacingFor(int refreshHz, float recordRadius) {
  const int hz = refreshHz > 1 ? refreshHz : kFallbackRefreshHz;
  const auto refresh =
      std::chrono::duration_cast<DeckClock::duration>(std::chrono::duration<double>(1.0 / hz));
  const float pixelDegrees = static_cast<float>(180.0 / (std::numbers::pi * recordRadius));
  return {refresh, pixelDegrees};
}

bool FrameDue(const ShownFrame& shown, const FramePicture& now, DeckClock::time_point at,
              const FramePacing& pacing) {
  if (!Differs(shown, now, pacing.pixelDegrees)) return false;
  return !shown.any || at - shown.slot >= pacing.refresh;
}

DeckClock::time_point NextFrameDue(const ShownFrame& shown, const FramePicture& now,
                                   DeckClock::time_point at, double degreesPerSecond,
                                   const FramePacing& pacing) {
  const DeckClock::time_point earliest = shown.any ? shown.slot + pacing.refresh : at;
  if (Differs(shown, now, pacing.pixelDegrees)) return std::max(earliest, at);
  if (degreesPerSecond <= 0.0) return DeckClock::time_point::max();
  const double toGo = pacing.pixelDegrees - DegreesApart(shown.picture.angle, now.angle);
  const auto turning = std::chrono::duration_cast<DeckClock::duration>(
      std::chrono::duration<double>(toGo / degreesPerSecond));
  return std::max(earliest, at + turning);
}

// While frames follow one another they keep to a grid of refresh intervals,
// so the loop's waits, rounded up to whole milliseconds, do not stretch every
// interval and the rate stays the display's; after a pause the grid starts
// anew.
void NoteFrameShown(ShownFrame& shown, const FramePicture& picture, DeckClock::time_point at,
                    const FramePacing& pacing) {
  const bool following = shown.any && at - shown.slot < 2 * pacing.refresh;
  shown.slot = following ? shown.slot + pacing.refresh : at;
  shown.any = true;
  shown.picture = picture;
}
