// The mixer's feed: the frame ring it keeps, and pulls at any ratio of the
// stream's rate to the output's.
#define _FILE_OFFSET_BITS 64
#include "audio/stream_feed.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>
#include <syn123.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "audio/decoder.h"
#include "audio/frame_ring.h"

namespace {

std::vector<float> Frames(std::size_t first, std::size_t count) {
  std::vector<float> stereo;
  for (std::size_t i = first; i < first + count; ++i) {
    stereo.push_back(static_cast<float>(i));
    stereo.push_back(-static_cast<float>(i));
  }
  return stereo;
}

// Pushes and pops of uneven sizes (nothing, first of all) wrap around the
// end of the storage and make it grow while wrapped; every frame comes out
// once, in order.
TEST(FrameRing, FramesComeOutInOrderAcrossWrapsAndGrowth) {
  FrameRing ring;
  std::size_t pushed = 0, popped = 0;
  const std::size_t pushes[] = {0, 5, 3, 7, 1, 64, 2, 9, 300, 4, 33};
  const std::size_t pops[] = {1, 2, 6, 0, 5, 40, 30, 1, 200, 80, 50};
  for (std::size_t step = 0; step < std::size(pushes); ++step) {
    const std::vector<float> in = Frames(pushed, pushes[step]);
    ring.push(in.data(), pushes[step]);
    pushed += pushes[step];
    std::vector<float> out(2 * pops[step] + 2, 99.0f);
    const std::size_t got = ring.pop(out.data(), pops[step]);
    ASSERT_EQ(got, std::min(pops[step], pushed - popped)) << step;
    out.resize(2 * got);
    EXPECT_EQ(out, Frames(popped, got)) << step;
    popped += got;
    EXPECT_EQ(ring.size(), pushed - popped) << step;
  }
  ring.clear();
  EXPECT_TRUE(ring.empty());
  float frame[2];
  EXPECT_EQ(ring.pop(frame, 1), 0u);
}

// A mono signal at any rate at all: the feed must hold up whatever rate a
// decoder reports, whether or not a file decoder would accept it.
class MonoDecoder final : public Decoder {
 public:
  using Signal = float (*)(std::uint32_t rate, std::int64_t frame);
  MonoDecoder(std::uint32_t rate, std::int64_t frames, Signal signal)
      : rate_(rate), frames_(frames), signal_(signal) {}
  AudioFormat format() const override { return {rate_, 1}; }
  std::int64_t lengthFrames() const override { return frames_; }
  std::size_t read(float* out, std::size_t frames) override {
    const std::int64_t n =
        std::min<std::int64_t>(static_cast<std::int64_t>(frames), frames_ - next_);
    for (std::int64_t i = 0; i < n; ++i) out[i] = signal_(rate_, next_ + i);
    next_ += n;
    return static_cast<std::size_t>(n);
  }
  bool seek(std::int64_t frame) override {
    if (frame < 0 || frame > frames_) return false;
    next_ = frame;
    return true;
  }

 private:
  std::uint32_t rate_;
  std::int64_t frames_;
  Signal signal_;
  std::int64_t next_ = 0;
};

float Ramp(std::uint32_t, std::int64_t frame) { return static_cast<float>(frame % 100) / 100.0f; }

// 200 Hz from a third of the way up a period, so a stream starts and ends
// on a slope, well up.
double SineAt(double seconds) {
  return 0.5 * std::sin(2 * std::numbers::pi * (0.3 + 200 * seconds));
}

float Sine(std::uint32_t rate, std::int64_t frame) {
  return static_cast<float>(SineAt(static_cast<double>(frame) / rate));
}

SIZE_T PeakCommitted() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakPagefileUsage;
}

// Every pull fills its 10 ms block until the stream ends; the stream lasts
// exactly what the converter makes of its length at the output rate, so a
// stream queued after it starts on the very next frame; at 1 Hz the feed
// holds about one second of output at a time, not the half gigabyte that
// resampling whole chunks of 1024 frames took.
TEST(StreamFeed, PullsFillTheirBlockAtAnyRateWithBoundedMemory) {
  constexpr std::uint32_t kOutput = 44100;
  constexpr std::size_t kBlock = 441;
  for (std::uint32_t rate : {1u, 7u, 8000u, 22050u, 44100u, 48000u, 1000000u}) {
    const std::uint32_t frames = rate < 100 ? 16 : rate / 10;
    MonoDecoder decoder(rate, frames, Ramp);
    const SIZE_T peakBefore = PeakCommitted();
    StreamFeed feed(decoder, kOutput);
    std::vector<float> block(2 * kBlock);
    std::int64_t out = 0;
    while (!feed.finished()) {
      const std::size_t got = feed.pull(block.data(), kBlock);
      ASSERT_TRUE(got == kBlock || feed.finished()) << rate;
      out += static_cast<std::int64_t>(got);
      ASSERT_LE(feed.streamFrame(), frames) << rate;
    }
    const std::int64_t expected =
        rate == kOutput ? frames : syn123_resample_total(rate, kOutput, frames);
    EXPECT_EQ(out, expected) << rate;
    EXPECT_EQ(feed.streamFrame(), frames) << rate;
    EXPECT_LT(PeakCommitted(), peakBefore + (16u << 20)) << rate;
  }
}

// Converted to the output's rate, a stream keeps its time from its first
// frame to its last, and again from a seek: the converter's output comes a
// few frames late, so the feed starts it that much early, lets it ring out
// on a held first frame before, and brings its last frames out after. What
// is left is the converter's own error: its phase, a fraction of a frame.
TEST(StreamFeed, ConvertedStreamsKeepTheirTimeFromFirstFrameToLast) {
  constexpr std::uint32_t kOutput = 44100;
  for (std::uint32_t rate : {8000u, 22050u, 48000u, 96000u}) {
    SCOPED_TRACE(rate);
    const std::int64_t frames = rate / 10 + 7;
    MonoDecoder decoder(rate, frames, Sine);
    StreamFeed feed(decoder, kOutput);
    for (const std::int64_t from : {std::int64_t{0}, frames / 2}) {
      ASSERT_TRUE(feed.seek(from));
      std::vector<float> block(2 * 441);
      double worst = 0;
      for (std::int64_t out = 0; !feed.finished();) {
        const std::size_t got = feed.pull(block.data(), 441);
        for (std::size_t i = 0; i < got; ++i, ++out) {
          const double seconds =
              static_cast<double>(from) / rate + static_cast<double>(out) / kOutput;
          worst = std::max(worst, std::abs(block[2 * i] - SineAt(seconds)));
        }
      }
      EXPECT_LT(20 * std::log10(worst / 0.5), -30.0) << "from " << from;
    }
  }
}

}  // namespace
