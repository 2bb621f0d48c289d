#pragma once
// The record turns by time. spinStep is degrees per nominal pass of the
// build, so every speed keeps its meaning, and the angle advances by the
// time between passes: a slow pass or frame makes the motion coarser, never
// slower. Platform-free.
#include "profile/deck_state.h"
#include "profile/pass_input.h"

// The time since the previous pass and the speed the record had through it.
struct RecordClock {
  DeckClock::time_point lastPass{};
  DeckClock::duration sinceLastPass{};
  float stepSinceLastPass = 0.0f;
  bool started = false;
};

// As each pass begins, with the speed the previous pass left the record at.
void ClockPass(RecordClock& clock, DeckClock::time_point now, float spinStep);
// Turns the record through the time since the previous pass at the speed it
// had then; the angle stays within [0, 360).
void TurnRecord(DeckState& state, const RecordClock& clock, float nominalPassMs);
double DegreesPerSecond(float spinStep, float nominalPassMs);
