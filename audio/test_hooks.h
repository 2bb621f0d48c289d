// Hooks for the library's own tests and benchmark; the players never call them.
#pragma once

#include <cstdint>

#include "audio/fallback_output.h"

// Makes later BASS_Init calls use the silent output even where a device exists.
void AudioTestForceSilentOutput(bool silent);
// Frees every stream, stops the mixer and closes the output, so BASS_Init can run again.
void AudioTestShutdown();
// Makes later BASS_Init calls open the device through opener (a fake one in
// tests); null goes back to the platform's device.
void AudioTestUseDeviceOpener(DeviceOpener opener);
// True when the output in use is the silent one.
bool AudioTestUsesSilentOutput();
// Microseconds from the latest BASS_ChannelPlay to the first of its samples handed
// to the output; -1 until that has happened.
std::int64_t AudioTestLastStartDelayMicros();
