// Every encoding of the WAV path, on a two-second tone that sox made (and
// lame, for the MPEG data in a WAVE wrapper): the length is exact (to the
// codec's block for ADPCM and GSM), the tone is heard at its frequency, and
// a seek to the middle lands on the frame asked for.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "audio/audio.h"
#include "audio/memory_reader.h"
#include "audio/open_decoder.h"
#include "audio/test_hooks.h"
#include "tests/unit/audio/fixture_files.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

std::unique_ptr<Decoder> OpenBytes(const Bytes& bytes) {
  return OpenDecoder(std::make_unique<MemoryReader>(bytes.data(), bytes.size()));
}

std::vector<float> DecodeAll(Decoder& decoder) {
  const std::size_t channels = decoder.format().channels;
  std::vector<float> samples;
  std::vector<float> block(4096 * channels);
  while (std::size_t got = decoder.read(block.data(), 4096))
    samples.insert(samples.end(), block.begin(), block.begin() + got * channels);
  return samples;
}

// Upward zero crossings of the first channel, from the first to the last,
// with a little hysteresis so that codec noise around zero does not count.
double Frequency(const std::vector<float>& samples, std::uint32_t channels, std::uint32_t rate) {
  double first = -1, last = -1;
  int crossings = 0;
  bool armed = false;
  for (std::size_t i = 1; i < samples.size() / channels; ++i) {
    const float before = samples[(i - 1) * channels], now = samples[i * channels];
    if (now < -0.1f) armed = true;
    if (!armed || before >= 0 || now < 0) continue;
    const double at = static_cast<double>(i - 1) + before / (before - now);
    if (first < 0) first = at;
    last = at;
    ++crossings;
    armed = false;
  }
  return crossings > 1 ? (crossings - 1) * rate / (last - first) : 0;
}

// The stream as the players open it, on the silent output.
struct SilentOutput {
  SilentOutput() {
    AudioTestForceSilentOutput(true);
    BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr);
  }
  ~SilentOutput() { AudioTestShutdown(); }
};

struct Variant {
  const char* name;
  std::function<Bytes()> bytes;
  std::uint32_t rate;
  std::uint32_t channels;
  double frequency;
  std::int64_t blockFrames;  // the codec decodes whole blocks of this many frames
  float seekTolerance;       // MPEG decoding after a seek may differ in the last bits
};

Bytes Fixture(const char* name) { return ReadFixture(name); }

std::vector<Variant> Variants() {
  auto fixture = [](const char* name) { return [name] { return Fixture(name); }; };
  return {
      {"pcm8", fixture("pcm8.wav"), 11025, 1, 440, 1, 0},
      {"pcm16", fixture("pcm16.wav"), 44100, 2, 1000, 1, 0},
      {"pcm24 extensible", fixture("pcm24.wav"), 48000, 2, 440, 1, 0},
      {"pcm32 extensible", fixture("pcm32.wav"), 96000, 1, 1000, 1, 0},
      {"float32", fixture("float32.wav"), 44100, 2, 440, 1, 0},
      {"float64", fixture("float64.wav"), 22050, 1, 1000, 1, 0},
      {"four channels", fixture("quad.wav"), 44100, 4, 1000, 1, 0},
      {"six channels", fixture("six.wav"), 48000, 6, 440, 1, 0},
      {"eight channels", fixture("eight.wav"), 44100, 8, 1000, 1, 0},
      {"mu-law", fixture("ulaw.wav"), 8000, 1, 440, 1, 0},
      {"a-law", fixture("alaw.wav"), 8000, 1, 1000, 1, 0},
      {"ima adpcm", fixture("ima.wav"), 22050, 1, 440, 505, 0},
      {"ima adpcm stereo", fixture("ima-stereo.wav"), 44100, 2, 1000, 505, 0},
      {"ms adpcm", fixture("msadpcm.wav"), 22050, 2, 440, 1012, 0},
      {"gsm 6.10", fixture("gsm.wav"), 8000, 1, 440, 320, 0},
      {"wave64", fixture("wave64.w64"), 44100, 2, 1000, 1, 0},
      {"rf64", [] { return Rf64FromWave(Fixture("pcm16.wav")); }, 44100, 2, 1000, 1, 0},
      {"mpeg layer iii in wave", [] { return MpegInWave(Fixture("lame44s.mp3"), 44100, 2); }, 44100,
       2, 1000, 1, 1e-4f},
  };
}

// Two seconds, rounded up to whole codec blocks.
std::int64_t ExpectedFrames(const Variant& v) {
  const std::int64_t frames = 2 * static_cast<std::int64_t>(v.rate);
  return (frames + v.blockFrames - 1) / v.blockFrames * v.blockFrames;
}

void ExpectSeekLandsOnTheMiddle(const Variant& v, const Bytes& file,
                                const std::vector<float>& all) {
  auto decoder = OpenBytes(file);
  ASSERT_NE(decoder, nullptr);
  const std::int64_t middle = decoder->lengthFrames() / 2 + 3;
  ASSERT_TRUE(decoder->seek(middle));
  std::vector<float> frames(64 * v.channels);
  ASSERT_EQ(decoder->read(frames.data(), 64), 64u);
  for (std::size_t i = 0; i < frames.size(); ++i)
    ASSERT_NEAR(frames[i], all[static_cast<std::size_t>(middle) * v.channels + i], v.seekTolerance)
        << i;
}

TEST(WavVariants, PlayWithExactLengthFrequencyAndSeek) {
  SilentOutput output;
  for (const Variant& v : Variants()) {
    SCOPED_TRACE(v.name);
    const Bytes file = v.bytes();
    const std::int64_t frames = ExpectedFrames(v);
    const AudioHandle stream =
        BASS_StreamCreateFile(true, file.data(), 0, static_cast<std::int64_t>(file.size()), 0);
    ASSERT_NE(stream, 0u);
    const std::int64_t bytes = BASS_ChannelGetLength(stream, kPositionBytes);
    EXPECT_EQ(bytes, frames * v.channels * 2);
    EXPECT_DOUBLE_EQ(BASS_ChannelBytes2Seconds(stream, bytes),
                     static_cast<double>(frames) / v.rate);
    BASS_StreamFree(stream);

    auto decoder = OpenBytes(file);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->format().rate, v.rate);
    EXPECT_EQ(decoder->format().channels, v.channels);
    const std::vector<float> all = DecodeAll(*decoder);
    EXPECT_EQ(static_cast<std::int64_t>(all.size() / v.channels), frames);
    EXPECT_NEAR(Frequency(all, v.channels, v.rate), v.frequency, v.frequency / 100);
    ExpectSeekLandsOnTheMiddle(v, file, all);
  }
}

// The track list offers files by name; what they hold decides how they play.
TEST(WavVariants, ContentDecidesNotTheName) {
  const struct {
    const char* file;
    std::int64_t frames;
  } cases[] = {{"wav-named.mp3", 88200}, {"mp3-named.wav", 88200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto decoder = OpenDecoder(AnsiFile::Open(FixturePath(c.file).c_str(), 0, 0));
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->lengthFrames(), c.frames);
    EXPECT_NEAR(Frequency(DecodeAll(*decoder), 2, 44100), 1000, 10);
  }
}

}  // namespace
