#include "deck/main_loop.h"

#include <cstdint>

#include "display/record_renderer.h"
#include "toolkit/toolkit.h"

namespace {

// What the canvas would show now: the record's angle and where its layers lie.
FramePicture PictureNow(const Deck& deck) {
  FramePicture picture;
  picture.angle = deck.state.spinAngle;
  std::size_t i = 0;
  for (const auto layers : {deck.profile.beneath, deck.profile.above})
    for (const CanvasLayer& layer : layers) picture.layerX.at(i++) = *layer.x;
  return picture;
}

// Milliseconds to wait, rounded up so the frame is due when the wait ends.
int MillisecondsUntil(DeckClock::time_point due) {
  if (due == DeckClock::time_point::max()) return kWaitForever;
  const auto left = due - DeckClock::now();
  if (left <= DeckClock::duration::zero()) return 0;
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

void WaitForNextPass(const Deck& deck, const LoopState& loop, bool drawsFrames) {
  if (!drawsFrames) {
    waitForEvent(kWaitForever);
    return;
  }
  const double speed = DegreesPerSecond(deck.state.spinStep, deck.profile.nominalPassMs);
  waitForEvent(MillisecondsUntil(
      NextFrameDue(loop.shown, PictureNow(deck), loop.input.now, speed, loop.pacing)));
}

}  // namespace

void PrepareLoop(LoopState& loop, const DeckProfile& profile) {
  loop.pacing = PacingFor(displayRefreshRate(), profile.canvasSize / 2.0f);
}

void TurnAndDraw(const Deck& deck, LoopState& loop) {
  TurnRecord(deck.state, loop.record, deck.profile.nominalPassMs);
  const FramePicture picture = PictureNow(deck);
  if (!FrameDue(loop.shown, picture, loop.input.now, loop.pacing)) return;
  DrawRecord(deck.profile, deck.state.discBitmap, kCanvasImage, deck.state.spinAngle);
  setGadgetValue(deck.profile.canvasGadget,
                 reinterpret_cast<std::intptr_t>(imageHandle(kCanvasImage)));
  NoteFrameShown(loop.shown, picture, loop.input.now, loop.pacing);
}

// A pass runs for every event, and for every frame due in between.
void RunUntilClosed(const Deck& deck, LoopState& loop, void (*runPass)(), bool (*drawsFrames)()) {
  do {
    WaitForNextPass(deck, loop, drawsFrames());
    runPass();
  } while (loop.input.event != kCloseEvent);
}
