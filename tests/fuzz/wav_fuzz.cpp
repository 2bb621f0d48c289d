// A WAV file through the library's buffered reader, the WAV path (libsndfile,
// or the MP3 glue for an MPEG payload) and the mixer's feed, which converts
// it to stereo at the output rate.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "audio/open_wav.h"
#include "audio/stream_feed.h"
#include "fuzz_check.h"
#include "memory_blocks.h"

namespace {

constexpr std::uint32_t kOutputRate = 44100;
constexpr std::size_t kBlockFrames = 441;  // one 10 ms mixer block
constexpr int kMostPulls = 64;

void readAll(Decoder& decoder) {
  const AudioFormat format = decoder.format();
  check(format.channels >= 1 && format.rate >= 1);
  std::vector<float> out(1024 * format.channels);
  std::int64_t total = 0;
  while (const std::size_t got = decoder.read(out.data(), 1024)) {
    check(got <= 1024);
    total += static_cast<std::int64_t>(got);
  }
  check(total <= decoder.lengthFrames());
}

// A mixer pulls blocks until the stream ends; each pull must fill its block
// until then, whatever the stream's rate.
void pullThroughFeed(Decoder& decoder) {
  if (!decoder.seek(0)) return;
  StreamFeed feed(decoder, kOutputRate);
  std::vector<float> block(2 * kBlockFrames);
  for (int pull = 0; pull < kMostPulls && !feed.finished(); ++pull) {
    const std::size_t got = feed.pull(block.data(), kBlockFrames);
    check(got == kBlockFrames || feed.finished());
    check(feed.streamFrame() >= 0 && feed.streamFrame() <= decoder.lengthFrames());
  }
  if (decoder.lengthFrames() > 1) check(feed.seek(decoder.lengthFrames() / 2));
  feed.pull(block.data(), kBlockFrames);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoder = OpenWav(std::make_unique<MemoryBlocks>(data, size));
  if (!decoder) return 0;
  check(decoder->lengthFrames() > 0);
  readAll(*decoder);
  pullThroughFeed(*decoder);
  return 0;
}
