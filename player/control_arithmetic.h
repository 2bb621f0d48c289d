#pragma once
// The arithmetic of the volume slot and the seek fader. Platform-free.
#include <cstdint>

// The slot's column 7 is silence and its third column from the right full
// volume. Nothing is clamped: the slot's edges give -0.12 and 1.04, and the
// audio library clamps.
constexpr int kSilentColumn = 7;
constexpr int kFullColumnFromRight = 3;
inline float VolumeAt(int cursorX, int slotLeft, int slotWidth) {
  const int silent = slotLeft + kSilentColumn;
  const int travel = slotWidth - kSilentColumn - kFullColumnFromRight;
  return (static_cast<float>(cursorX) - static_cast<float>(silent)) / static_cast<float>(travel);
}

// The slot's column for a volume, the nearest one that VolumeAt answers
// with about that volume.
inline int ColumnFor(float volume, int slotLeft, int slotWidth) {
  const int travel = slotWidth - kSilentColumn - kFullColumnFromRight;
  return slotLeft + kSilentColumn +
         static_cast<int>(volume * static_cast<float>(travel) + (volume < 0 ? -0.5f : 0.5f));
}

// A key steps the volume by five hundredths of the slot's travel, within the
// volumes the slot gives at its ends. Whole hundredths, so steps up and down
// come back to where they began.
constexpr int kVolumeStepHundredths = 5;
inline float SteppedVolume(float volume, int steps, float lowest, float highest) {
  const int hundredths = static_cast<int>(volume * 100.0f + (volume < 0 ? -0.5f : 0.5f));
  const float stepped = static_cast<float>(hundredths + steps * kVolumeStepHundredths) / 100.0f;
  return stepped < lowest ? lowest : stepped > highest ? highest : stepped;
}

// The knob's x on the volume canvas: its left edge stands 5 columns left of
// the cursor. The time display limits where it is drawn.
constexpr int kKnobLeftOfCursor = 5;
inline int KnobXAt(int cursorX, int slotLeft) { return cursorX - slotLeft - kKnobLeftOfCursor; }

// The fader's top row is the end of the track (100) and the row a hundred
// below it the beginning (0); the lowest rows give small negative values.
inline int SeekPercentAt(int clickY, int faderTop) { return 100 - (clickY - faderTop); }

// Whole hundredths of the length, truncated before the multiplication, so the
// top row lands at most 99 bytes before the end (on the end itself when the
// length is a multiple of 100). 64-bit: a track may hold more than 2 GiB of PCM.
inline std::int64_t SeekBytesFor(int percent, std::int64_t lengthBytes) {
  return percent * (lengthBytes / 100);
}
