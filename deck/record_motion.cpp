#include "deck/record_motion.h"

#include <cmath>

// The first pass has no interval before it.
void ClockPass(RecordClock& clock, DeckClock::time_point now, float spinStep) {
  clock.sinceLastPass = clock.started ? now - clock.lastPass : DeckClock::duration::zero();
  clock.stepSinceLastPass = spinStep;
  clock.lastPass = now;
  clock.started = true;
}

double DegreesPerSecond(float spinStep, float nominalPassMs) {
  return spinStep * 1000.0 / nominalPassMs;
}

// A whole turn is taken off, not the angle reset to 0: dropping the excess
// would lose up to a frame's step on every turn, and the record would turn
// slower the slower its frames came.
void TurnRecord(DeckState& state, const RecordClock& clock, float nominalPassMs) {
  const double seconds = std::chrono::duration<double>(clock.sinceLastPass).count();
  const double turned = DegreesPerSecond(clock.stepSinceLastPass, nominalPassMs) * seconds;
  if (turned <= 0.0) return;
  const float angle = static_cast<float>(std::fmod(state.spinAngle + turned, 360.0));
  state.spinAngle = angle < 360.0f ? angle : 0.0f;
}
