// Any bytes through the library's buffered reader and its libmpg123 glue.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "audio/mp3_decoder.h"
#include "fuzz_check.h"
#include "memory_blocks.h"

namespace {

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
  // No more plays than the length the stream reports, from the start or after
  // a seek (which in a damaged stream may land before the frame asked for).
  const std::int64_t length = decoder->lengthFrames();
  check(readAll(*decoder) <= length);
  if (decoder->seek(length / 2)) check(readAll(*decoder) <= length);
  return 0;
}
