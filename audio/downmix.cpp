#include "audio/downmix.h"

#include <array>

namespace {

enum Speaker { kFL, kFR, kFC, kLFE, kBL, kBR, kBC, kSL, kSR };

struct Gains {
  float left;
  float right;
};

constexpr float kHalfPower = 0.70710678f;

// Each speaker's share of the left and right outputs: centre and back centre
// go to both sides at half power, the side and back speakers to their own
// side at half power, the LFE channel nowhere (its bass is in the others).
constexpr std::array<Gains, 9> kShares = {{{1, 0},
                                           {0, 1},
                                           {kHalfPower, kHalfPower},
                                           {0, 0},
                                           {kHalfPower, 0},
                                           {0, kHalfPower},
                                           {0.5f, 0.5f},
                                           {kHalfPower, 0},
                                           {0, kHalfPower}}};

// The speakers of 3 to 8 channels in WAVE_FORMAT_EXTENSIBLE's default
// order, the one writers use when they give no channel mask; the mask
// itself is not consulted.
constexpr std::array<std::array<Speaker, 8>, 9> kLayouts = {{
    {},
    {},
    {},
    {kFL, kFR, kFC},
    {kFL, kFR, kBL, kBR},
    {kFL, kFR, kFC, kBL, kBR},
    {kFL, kFR, kFC, kLFE, kBL, kBR},
    {kFL, kFR, kFC, kLFE, kBC, kSL, kSR},
    {kFL, kFR, kFC, kLFE, kBL, kBR, kSL, kSR},
}};

// Each side's gains are scaled to sum to one, so the same full-scale signal
// on every channel comes out at full scale and a downmix never clips.
std::array<Gains, 8> Matrix(std::uint32_t channels) {
  std::array<Gains, 8> matrix{};
  float left = 0, right = 0;
  for (std::uint32_t c = 0; c < channels; ++c) {
    matrix[c] = kShares[kLayouts[channels][c]];
    left += matrix[c].left;
    right += matrix[c].right;
  }
  for (std::uint32_t c = 0; c < channels; ++c)
    matrix[c] = {matrix[c].left / left, matrix[c].right / right};
  return matrix;
}

void Downmix(const float* in, std::uint32_t channels, std::size_t frames, float* out) {
  const std::array<Gains, 8> matrix = Matrix(channels);
  for (std::size_t i = 0; i < frames; ++i) {
    const float* frame = in + i * channels;
    float left = 0, right = 0;
    for (std::uint32_t c = 0; c < channels; ++c) {
      left += frame[c] * matrix[c].left;
      right += frame[c] * matrix[c].right;
    }
    out[2 * i] = left;
    out[2 * i + 1] = right;
  }
}

}  // namespace

// Mono is heard on both sides at its own level; stereo is left as it is.
void ToStereo(const float* in, std::uint32_t channels, std::size_t frames, float* out) {
  if (channels > 2 && channels < kLayouts.size()) return Downmix(in, channels, frames, out);
  for (std::size_t i = 0; i < frames; ++i) {
    const float* frame = in + i * channels;
    out[2 * i] = frame[0];
    out[2 * i + 1] = channels == 2 ? frame[1] : frame[0];
  }
}
