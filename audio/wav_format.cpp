#include "audio/wav_format.h"

#include <array>
#include <cstring>

namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::uint32_t kMaxChannels = 8;
constexpr std::uint32_t kMaxRate = 1'000'000;
// The tail every KSDATAFORMAT_SUBTYPE GUID shares after its two-byte format tag.
constexpr std::array<unsigned char, 14> kSubtypeTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

struct Chunk {
  std::array<char, 4> id{};
  std::uint32_t size = 0;
  std::int64_t bodyOffset = 0;
};

std::uint16_t Le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool ReadExact(ByteReader& reader, void* buffer, std::size_t count) {
  return reader.read(buffer, count) == count;
}

std::optional<Chunk> ReadChunkHeader(ByteReader& reader) {
  unsigned char header[8];
  if (!ReadExact(reader, header, sizeof header)) return std::nullopt;
  Chunk chunk;
  std::memcpy(chunk.id.data(), header, 4);
  chunk.size = Le32(header + 4);
  chunk.bodyOffset = reader.tell();
  return chunk;
}

bool IsId(const Chunk& chunk, const char* id) { return std::memcmp(chunk.id.data(), id, 4) == 0; }

// The real tag of a WAVE_FORMAT_EXTENSIBLE header sits in its sub-format GUID.
std::uint16_t ExtensibleTag(const unsigned char* fmt, std::uint32_t size) {
  if (size < 40 || Le16(fmt + 16) < 22) return 0;
  if (std::memcmp(fmt + 26, kSubtypeTail.data(), kSubtypeTail.size()) != 0) return 0;
  return Le16(fmt + 24);
}

bool SampleSizeFits(std::uint16_t tag, std::uint32_t bits) {
  if (tag == kTagPcm) return bits == 8 || bits == 16 || bits == 24 || bits == 32;
  return tag == kTagFloat && (bits == 32 || bits == 64);
}

// The container size decides the layout; an extensible header's smaller
// "valid bits" only says how many of them carry the signal.
std::optional<WavFormat> ParseFmt(const unsigned char* fmt, std::uint32_t size) {
  if (size < 16) return std::nullopt;
  std::uint16_t tag = Le16(fmt);
  if (tag == kTagExtensible) tag = ExtensibleTag(fmt, size);
  WavFormat format;
  format.channels = Le16(fmt + 2);
  format.rate = Le32(fmt + 4);
  const std::uint32_t bits = Le16(fmt + 14);
  if (!SampleSizeFits(tag, bits)) return std::nullopt;
  if (format.channels == 0 || format.channels > kMaxChannels) return std::nullopt;
  if (format.rate == 0 || format.rate > kMaxRate) return std::nullopt;
  format.bytesPerSample = bits / 8;
  format.kind = tag == kTagFloat ? SampleKind::Float : SampleKind::Integer;
  return format;
}

std::optional<WavFormat> ReadFmtChunk(ByteReader& reader, const Chunk& chunk) {
  unsigned char fmt[40] = {};
  const std::size_t wanted = chunk.size < sizeof fmt ? chunk.size : sizeof fmt;
  if (!ReadExact(reader, fmt, wanted)) return std::nullopt;
  return ParseFmt(fmt, static_cast<std::uint32_t>(wanted));
}

// A data size of 0 or one running past the end of the file (a file still being
// written, or cut short) means the samples run to the end of the file.
std::int64_t DataBytes(const Chunk& chunk, std::int64_t fileSize) {
  const std::int64_t available = fileSize - chunk.bodyOffset;
  if (chunk.size == 0 || chunk.size > available) return available;
  return chunk.size;
}

bool SkipChunk(ByteReader& reader, const Chunk& chunk) {
  const std::int64_t padded = static_cast<std::int64_t>(chunk.size) + (chunk.size & 1u);
  return reader.seek(chunk.bodyOffset + padded);
}

bool ReadRiffHeader(ByteReader& reader) {
  unsigned char header[12];
  if (!reader.seek(0) || !ReadExact(reader, header, sizeof header)) return false;
  return std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0;
}

}  // namespace

std::optional<WavFormat> ReadWavFormat(ByteReader& reader) {
  if (!ReadRiffHeader(reader)) return std::nullopt;
  std::optional<WavFormat> format;
  const std::int64_t fileSize = reader.size();
  while (auto chunk = ReadChunkHeader(reader)) {
    if (IsId(*chunk, "fmt ") && !format) {
      format = ReadFmtChunk(reader, *chunk);
      if (!format) return std::nullopt;
    } else if (IsId(*chunk, "data")) {
      if (!format) return std::nullopt;
      const std::int64_t frameBytes = format->bytesPerSample * format->channels;
      format->dataOffset = chunk->bodyOffset;
      format->frameCount = DataBytes(*chunk, fileSize) / frameBytes;
      return format;
    }
    if (!SkipChunk(reader, *chunk)) return std::nullopt;
  }
  return std::nullopt;
}
