// Interleaved frames of one to eight channels turned into stereo.
#pragma once

#include <cstddef>
#include <cstdint>

// out holds 2 * frames floats; more than eight channels are heard through the front pair.
void ToStereo(const float* in, std::uint32_t channels, std::size_t frames, float* out);
