// Any bytes through the library's buffered reader and the MIDI decoder, with
// freepats' instruments. A song renders exactly the length it reports, read
// from the start or from any frame it was sought to.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "audio/instrument_path.h"
#include "audio/midi_decoder.h"
#include "memory_blocks.h"

// The fuzzer is the program here: its instruments lie in its build folder.
std::string InstrumentConfigPath() { return DECK_INSTRUMENTS; }

namespace {

constexpr std::int64_t kRate = 44100;
constexpr std::int64_t kWholeSong = 3 * kRate;  // longer songs are read at both ends
constexpr std::size_t kChunk = 3000;            // not a multiple of the synthesizer's block

// Names the failed line: inlined, the check leaves none in the stack trace.
void check(bool holds, int line = __builtin_LINE()) {
  if (holds) return;
  std::fprintf(stderr, "check failed at line %d\n", line);
  std::abort();
}

std::int64_t readUpTo(Decoder& decoder, std::int64_t most) {
  std::vector<float> out(kChunk * 2);
  std::int64_t total = 0;
  while (total < most) {
    const auto ask = static_cast<std::size_t>(std::min<std::int64_t>(kChunk, most - total));
    const std::size_t got = decoder.read(out.data(), ask);
    check(got <= ask);
    if (got == 0) break;
    for (std::size_t i = 0; i < got * 2; ++i) check(out[i] >= -1.0f && out[i] <= 1.0f);
    total += static_cast<std::int64_t>(got);
  }
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoder = OpenMidiDecoder(std::make_unique<MemoryBlocks>(data, size));
  if (!decoder) return 0;
  const AudioFormat format = decoder->format();
  check(format.rate == kRate && format.channels == 2);
  const std::int64_t length = decoder->lengthFrames();
  check(length > 0);
  if (length <= kWholeSong) {
    check(readUpTo(*decoder, length + 1) == length);
  } else {
    check(readUpTo(*decoder, kRate / 2) == kRate / 2);
  }
  const std::int64_t tail = std::min<std::int64_t>(length, kRate / 2);
  check(decoder->seek(length - tail));
  check(readUpTo(*decoder, tail + 1) == tail);
  check(decoder->seek(length / 2));
  check(readUpTo(*decoder, 1) > 0);
  check(!decoder->seek(length + 1));
  return 0;
}
