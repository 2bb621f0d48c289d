#include "audio/timer_resolution.h"

#include <windows.h>
#include <mmsystem.h>

TimerResolution::TimerResolution() : raised_(timeBeginPeriod(1) == TIMERR_NOERROR) {}

TimerResolution::~TimerResolution() {
  if (raised_) timeEndPeriod(1);
}
