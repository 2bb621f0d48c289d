#include "audio/open_wav.h"

#include <cstring>

#include "audio/byte_window.h"
#include "audio/mp3_decoder.h"
#include "audio/patched_reader.h"
#include "audio/wav_decoder.h"
#include "audio/wav_format.h"

namespace {

bool IsMpeg(std::uint16_t tag) { return tag == kWaveFormatMpeg || tag == kWaveFormatMpegLayer3; }

}  // namespace

// RIFX is the big-endian RIFF; Wave64 names its RIFF and WAVE chunks by
// GUIDs that begin with these letters.
bool IsWavFile(ByteReader& reader) {
  unsigned char head[28] = {};
  const std::size_t got = reader.read(head, sizeof head);
  reader.seek(0);
  if (got < 12) return false;
  const bool riff = std::memcmp(head, "RIFF", 4) == 0 || std::memcmp(head, "RIFX", 4) == 0 ||
                    std::memcmp(head, "RF64", 4) == 0;
  if (riff && std::memcmp(head + 8, "WAVE", 4) == 0) return true;
  return got == sizeof head && std::memcmp(head, "riff", 4) == 0 &&
         std::memcmp(head + 24, "wave", 4) == 0;
}

// MPEG audio in a WAVE wrapper is the MPEG decoder's, reading only the data
// chunk. A data size that cannot be right is shown to libsndfile corrected:
// of a recorder's unfinished header it plays a size of 0 only when the RIFF
// size is unfinished too, and 0xFFFFFFFF to the end of the file, chunks
// after the samples included.
std::unique_ptr<Decoder> OpenWav(std::unique_ptr<ByteReader> reader) {
  const auto chunks = ReadWavChunks(*reader);
  if (chunks && chunks->dataBytes <= 0) return nullptr;
  if (chunks && IsMpeg(chunks->formatTag))
    return Mp3Decoder::Open(
        std::make_unique<ByteWindow>(std::move(reader), chunks->dataOffset, chunks->dataBytes));
  const bool fixSize =
      chunks && chunks->dataBytes != chunks->dataSizeField && chunks->dataBytes < 0xFFFFFFFF;
  if (fixSize)
    reader = std::make_unique<PatchedReader>(std::move(reader), chunks->dataSizeAt,
                                             static_cast<std::uint32_t>(chunks->dataBytes));
  return WavDecoder::Open(std::move(reader));
}
