#include "audio/wav_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint16_t kTagExtensible = 0xFFFE;
// The tail every KSDATAFORMAT_SUBTYPE GUID shares after its two-byte format tag.
constexpr std::array<unsigned char, 14> kSubtypeTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// How far back from the end of a file with an unfinished data size the
// chunks after the samples are looked for: room for a LIST chunk and an id3
// chunk with a cover picture.
constexpr std::int64_t kTrailerWindow = 4 * 1024 * 1024;

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

std::optional<std::uint16_t> ReadFormatTag(ByteReader& reader, const Chunk& chunk) {
  unsigned char fmt[40] = {};
  const std::size_t wanted = std::min<std::size_t>(chunk.size, sizeof fmt);
  if (wanted < 16 || !ReadExact(reader, fmt, wanted)) return std::nullopt;
  const std::uint16_t tag = Le16(fmt);
  if (tag != kTagExtensible || wanted < 40) return tag;
  if (std::memcmp(fmt + 26, kSubtypeTail.data(), kSubtypeTail.size()) != 0) return tag;
  return Le16(fmt + 24);
}

// Four printable characters, the first not a space: what a chunk id looks like.
bool LooksLikeId(const unsigned char* p) {
  if (p[0] == ' ') return false;
  return std::all_of(p, p + 4, [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
}

// Whether chunk headers starting at `at` lead from one to the next exactly to `end`.
bool ChainEndsAt(const std::vector<unsigned char>& bytes, std::size_t at, std::size_t end) {
  while (at + 8 <= end && LooksLikeId(&bytes[at])) {
    const std::uint32_t size = Le32(&bytes[at + 4]);
    const std::uint64_t next = at + 8ull + size;
    if (next == end || (next + 1 == end && (size & 1))) return true;
    at = static_cast<std::size_t>(next + (size & 1));
  }
  return false;
}

// A recorder that never finished its header leaves the data size at 0 or
// 0xFFFFFFFF; the samples then run to the end of the file, unless chunks
// follow them (a LIST written at the end), which are found as the earliest
// chain of chunk headers that ends exactly at the end of the file.
std::int64_t UnfinishedDataEnd(ByteReader& reader, std::int64_t dataOffset, std::int64_t fileSize) {
  const std::int64_t from = std::max(dataOffset, fileSize - kTrailerWindow);
  std::vector<unsigned char> tail(static_cast<std::size_t>(fileSize - from));
  if (!reader.seek(from) || !ReadExact(reader, tail.data(), tail.size())) return fileSize;
  for (std::size_t at = 0; at + 8 <= tail.size(); ++at)
    if (ChainEndsAt(tail, at, tail.size())) return from + static_cast<std::int64_t>(at);
  return fileSize;
}

// A size running past the end of the file (a file cut short) means the
// samples run to the end of what there is.
std::int64_t DataBytes(ByteReader& reader, const Chunk& chunk) {
  const std::int64_t available = reader.size() - chunk.bodyOffset;
  if (chunk.size == 0 || chunk.size == 0xFFFFFFFF)
    return UnfinishedDataEnd(reader, chunk.bodyOffset, reader.size()) - chunk.bodyOffset;
  return std::min<std::int64_t>(chunk.size, available);
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

std::optional<WavChunks> ReadWavChunks(ByteReader& reader) {
  if (!ReadRiffHeader(reader)) return std::nullopt;
  std::optional<std::uint16_t> tag;
  while (auto chunk = ReadChunkHeader(reader)) {
    if (IsId(*chunk, "fmt ") && !tag) {
      tag = ReadFormatTag(reader, *chunk);
      if (!tag) return std::nullopt;
    } else if (IsId(*chunk, "data")) {
      if (!tag) return std::nullopt;
      WavChunks found;
      found.formatTag = *tag;
      found.dataOffset = chunk->bodyOffset;
      found.dataSizeAt = chunk->bodyOffset - 4;
      found.dataSizeField = chunk->size;
      found.dataBytes = DataBytes(reader, *chunk);
      return found;
    }
    if (!SkipChunk(reader, *chunk)) return std::nullopt;
  }
  return std::nullopt;
}
