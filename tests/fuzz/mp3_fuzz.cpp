// Any bytes through the library's buffered reader and its libmpg123 glue.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "audio/mp3_decoder.h"
#include "memory_blocks.h"

namespace {

void check(bool holds) {
  if (!holds) std::abort();
}

std::int64_t readAll(Mp3Decoder& decoder) {
  std::vector<float> out(1152 * decoder.format().channels);
  std::int64_t total = 0;
  while (const std::size_t got = decoder.read(out.data(), 1152)) {
    check(got <= 1152);
    total += static_cast<std::int64_t>(got);
  }
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoder = Mp3Decoder::Open(std::make_unique<MemoryBlocks>(data, size));
  if (!decoder) return 0;
  const AudioFormat format = decoder->format();
  check((format.channels == 1 || format.channels == 2) && format.rate > 0);
  check(decoder->lengthFrames() > 0);
  readAll(*decoder);
  if (decoder->seek(decoder->lengthFrames() / 2)) readAll(*decoder);
  return 0;
}
