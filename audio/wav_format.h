// The RIFF/WAVE header: where the samples are and how they are laid out.
#pragma once

#include "audio/byte_reader.h"

#include <cstdint>
#include <optional>

enum class SampleKind { Integer, Float };

struct WavFormat {
  std::uint32_t rate = 0;
  std::uint32_t channels = 0;
  std::uint32_t bytesPerSample = 0;
  SampleKind kind = SampleKind::Integer;
  std::int64_t dataOffset = 0;
  std::int64_t frameCount = 0;
};

// Parses from the reader's start; nothing when the bytes are not a WAV we play.
std::optional<WavFormat> ReadWavFormat(ByteReader& reader);
