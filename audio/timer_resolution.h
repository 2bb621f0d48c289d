// Holds the system timer at 1 ms while the library runs, so the mixer's
// short waits are not stretched to the default 15.6 ms tick.
#pragma once

class TimerResolution {
 public:
  TimerResolution();
  ~TimerResolution();
  TimerResolution(const TimerResolution&) = delete;
  TimerResolution& operator=(const TimerResolution&) = delete;

 private:
  bool raised_;
};
