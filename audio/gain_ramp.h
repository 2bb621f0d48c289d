// Volume applied to stereo frames, moving to a new value over a few
// milliseconds instead of at once, which would be heard as a click.
#pragma once

#include <cstddef>
#include <cstdint>

class GainRamp {
 public:
  explicit GainRamp(std::uint32_t rate);
  void startFromSilence() { gain_ = 0.0f; }
  void startAt(float gain) { gain_ = gain; }
  // Frames the ramp takes from full volume to silence.
  std::size_t frames() const { return static_cast<std::size_t>(1.0f / step_) + 1; }
  void apply(float* stereo, std::size_t frames, float target);

 private:
  float step_;
  float gain_ = 0.0f;
};
