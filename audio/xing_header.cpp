#include "audio/xing_header.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// An encoder writes the header right after any ID3v2 tag; a little junk
// before it is still found.
constexpr std::size_t kProbeBytes = 8192;
constexpr std::uint32_t kHasFrames = 1;
constexpr std::uint32_t kHasBytes = 2;

std::uint32_t Be32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// Where the MPEG data begins: after an ID3v2 tag (its size is synchsafe, a
// footer adds ten bytes).
std::int64_t AfterId3v2(ByteReader& reader) {
  unsigned char h[10];
  if (!reader.seek(0) || reader.read(h, sizeof h) != sizeof h || std::memcmp(h, "ID3", 3) != 0)
    return 0;
  const std::int64_t size =
      (h[6] & 0x7F) << 21 | (h[7] & 0x7F) << 14 | (h[8] & 0x7F) << 7 | (h[9] & 0x7F);
  return 10 + size + ((h[5] & 0x10) ? 10 : 0);
}

// The side information a layer III frame header announces: its length
// decides where the Xing/Info header sits. 0 for what is no such header.
std::size_t SideInfoBytes(const unsigned char* h) {
  const bool sync = h[0] == 0xFF && (h[1] & 0xE0) == 0xE0;
  const unsigned version = (h[1] >> 3) & 3, layer = (h[1] >> 1) & 3;
  const unsigned bitrate = h[2] >> 4, rate = (h[2] >> 2) & 3;
  if (!sync || version == 1 || layer != 1 || bitrate == 15 || rate == 3) return 0;
  const bool mono = (h[3] >> 6) == 3;
  if (version == 3) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

// The frame start whose header is followed by the side information and then
// the "Xing" or "Info" marker at `marker`.
std::optional<std::size_t> FrameOfMarker(const std::vector<unsigned char>& bytes,
                                         std::size_t marker) {
  for (std::size_t side : {9u, 17u, 32u}) {
    if (marker < 4 + side) continue;
    const std::size_t frame = marker - 4 - side;
    if (SideInfoBytes(&bytes[frame]) == side) return frame;
  }
  return std::nullopt;
}

}  // namespace

bool XingPromiseInDoubt(ByteReader& reader) {
  const std::int64_t start = AfterId3v2(reader);
  std::vector<unsigned char> bytes(kProbeBytes);
  const bool positioned = reader.seek(start);
  bytes.resize(positioned ? reader.read(bytes.data(), bytes.size()) : 0);
  reader.seek(0);
  for (std::size_t at = 0; at + 16 <= bytes.size(); ++at) {
    if (std::memcmp(&bytes[at], "Xing", 4) != 0 && std::memcmp(&bytes[at], "Info", 4) != 0)
      continue;
    const auto frame = FrameOfMarker(bytes, at);
    if (!frame) continue;
    const std::uint32_t flags = Be32(&bytes[at + 4]);
    if (!(flags & kHasBytes)) return true;
    const std::uint32_t promised = Be32(&bytes[at + 8 + ((flags & kHasFrames) ? 4 : 0)]);
    return promised > reader.size() - start - static_cast<std::int64_t>(*frame);
  }
  return false;
}
