// Waiting for what another thread does: poll with a deadline, never a fixed sleep.
#pragma once

#include <chrono>
#include <thread>

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return condition();
}
