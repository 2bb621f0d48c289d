#include "audio/gain_ramp.h"

namespace {
constexpr float kRampSeconds = 0.005f;
}

GainRamp::GainRamp(std::uint32_t rate)
    : step_(1.0f / (kRampSeconds * static_cast<float>(rate ? rate : 1))) {}

void GainRamp::apply(float* stereo, std::size_t frames, float target) {
  for (std::size_t i = 0; i < frames; ++i) {
    if (gain_ < target) gain_ = gain_ + step_ < target ? gain_ + step_ : target;
    if (gain_ > target) gain_ = gain_ - step_ > target ? gain_ - step_ : target;
    stereo[2 * i] *= gain_;
    stereo[2 * i + 1] *= gain_;
  }
}
