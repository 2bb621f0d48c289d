#include "audio/open_decoder.h"

#include <cstring>

#include "audio/midi_decoder.h"
#include "audio/mp3_decoder.h"
#include "audio/open_wav.h"

namespace {

enum class Kind { Wav, Midi, Other };

Kind Sniff(ByteReader& reader) {
  unsigned char head[12] = {};
  const std::size_t got = reader.read(head, sizeof head);
  reader.seek(0);
  if (got >= 4 && std::memcmp(head, "MThd", 4) == 0) return Kind::Midi;
  if (IsWavFile(reader)) return Kind::Wav;
  return Kind::Other;
}

}  // namespace

// A RIFF/WAVE file is never handed to the MPEG decoder: its resynchronising
// would find false frame headers in PCM data and play noise.
std::unique_ptr<Decoder> OpenDecoder(std::unique_ptr<ByteReader> reader) {
  if (!reader || reader->size() <= 0) return nullptr;
  switch (Sniff(*reader)) {
    case Kind::Wav: return OpenWav(std::move(reader));
    case Kind::Midi: return OpenMidiDecoder(std::move(reader));
    case Kind::Other: return Mp3Decoder::Open(std::move(reader));
  }
  return nullptr;
}
