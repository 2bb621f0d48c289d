#pragma once
// The arithmetic of the volume slot and the seek fader. Platform-free.
#include <cstdint>

// x 330 of the window is silence and x 380 full volume. Nothing is clamped:
// the slot's edges give -0.12 and 1.04, and the audio library clamps.
inline float VolumeAt(int cursorX) { return (static_cast<float>(cursorX) - 330.0f) / 50.0f; }

// The knob's x on the volume canvas; the time display limits where it is drawn.
inline int KnobXAt(int cursorX, int slotLeft) { return cursorX - slotLeft - 5; }

// The fader's top row is the end of the track (100) and the row a hundred
// below it the beginning (0); the lowest rows give small negative values.
inline int SeekPercentAt(int clickY, int faderTop) { return 100 - (clickY - faderTop); }

// Whole hundredths of the length, truncated before the multiplication, so the
// top row lands at most 99 bytes before the end (on the end itself when the
// length is a multiple of 100). 64-bit: a track may hold more than 2 GiB of PCM.
inline std::int64_t SeekBytesFor(int percent, std::int64_t lengthBytes) {
  return percent * (lengthBytes / 100);
}
