// The chunks of a RIFF/WAVE file that decide how it is opened: its format tag
// and where its samples begin and end. libsndfile decodes the samples; this
// walk finds what libsndfile would refuse or misread.
#pragma once

#include <cstdint>
#include <optional>

#include "audio/byte_reader.h"

inline constexpr std::uint16_t kWaveFormatMpeg = 0x50;
inline constexpr std::uint16_t kWaveFormatMpegLayer3 = 0x55;

struct WavChunks {
  std::uint16_t formatTag = 0;  // a WAVE_FORMAT_EXTENSIBLE header's sub-format tag
  std::int64_t dataOffset = 0;
  std::int64_t dataSizeAt = 0;  // where the data chunk's size field is
  std::uint32_t dataSizeField = 0;
  std::int64_t dataBytes = 0;  // how many bytes from dataOffset really are samples
};

// Walks from the reader's start; nothing unless a fmt chunk comes before a data chunk.
std::optional<WavChunks> ReadWavChunks(ByteReader& reader);
