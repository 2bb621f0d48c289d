// The library's one running instance: its streams, its mixer and its output.
#pragma once

#include "audio/fallback_output.h"
#include "audio/mixer.h"
#include "audio/stream_table.h"
#include "audio/timer_resolution.h"

struct Engine {
  TimerResolution timer;
  StreamTable streams;
  std::unique_ptr<Mixer> mixer;
  // Owned by the mixer, which outlives every use of it through the engine.
  FallbackOutput* output = nullptr;
};

// False when already started or when not even the silent output runs.
bool StartEngine(int device, std::uint32_t frequency);
// Null before StartEngine.
Engine* RunningEngine();
void StopEngine();
void ForceSilentOutput(bool silent);
// Tests: how later StartEngine calls open the device; null restores waveOut.
void UseDeviceOpener(DeviceOpener opener);
