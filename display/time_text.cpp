#include "display/time_text.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "toolkit/text.h"

namespace {

std::string MinutesAndSeconds(std::int64_t minutes, std::int64_t seconds) {
  return decimalText(minutes) + ":" + padLeft(decimalText(seconds), 2, "0");
}

}  // namespace

// nearbyint follows the default rounding mode, round-half-to-even. A NaN or
// an out-of-range double has no int value, so it is taken as the library's
// own error value rather than converted (which is undefined).
int WholeSeconds(double seconds) {
  double rounded = std::nearbyint(seconds);
  if (!(rounded >= INT_MIN && rounded <= INT_MAX)) return -1;
  return static_cast<int>(rounded);
}

// Division truncates and the remainder takes the dividend's sign, as the
// elapsed label has always counted.
std::string ElapsedText(int positionSeconds) {
  std::int64_t position = positionSeconds;
  return MinutesAndSeconds(position / 60, position % 60);
}

// A track of an hour or more shows its whole minutes (62:05), like the
// elapsed label, not only the minutes within the hour.
std::string TotalText(int lengthSeconds) {
  if (lengthSeconds < 0) return MinutesAndSeconds(0, 0);
  std::int64_t length = lengthSeconds;
  return MinutesAndSeconds(length / 60, length % 60);
}

// 64-bit product: identical to the 32-bit one for any real track, and no
// overflow for an absurd position.
int MarkerRow(int positionSeconds, int lengthSeconds) {
  if (lengthSeconds <= 0) return kMarkerBottomRow;
  std::int64_t risen = static_cast<std::int64_t>(positionSeconds) * 100 / lengthSeconds;
  return static_cast<int>(kMarkerBottomRow - risen);
}

// Between 5 and 50 the knob stands where the volume control put it; 5 and 50
// themselves count as inside.
int KnobX(int volumeKnobX) {
  if (volumeKnobX < kKnobLeftmostX) return kKnobLeftmostX;
  if (volumeKnobX > kKnobFollowsUpTo) return kKnobRightmostX;
  return volumeKnobX;
}

std::string CountedTitle(const std::string& name, int index, int count) {
  return name + "   " + decimalText(index) + "/" + decimalText(count);
}
