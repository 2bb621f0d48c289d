#pragma once
// How many times a second a pass runs, timed over a few seconds of wall clock.
#include <chrono>

template <class Pass>
double PassesPerSecond(Pass pass, double seconds) {
  using Clock = std::chrono::steady_clock;
  long passes = 0;
  const auto start = Clock::now();
  const auto end = start + std::chrono::duration<double>(seconds);
  while (Clock::now() < end) {
    pass();
    ++passes;
  }
  return passes / std::chrono::duration<double>(Clock::now() - start).count();
}
