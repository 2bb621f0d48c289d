// The WAV path over in-memory files built byte by byte: which layouts it
// plays, what their samples decode to, what a writer that never finished its
// header left behind, and which damaged headers it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "audio/memory_reader.h"
#include "audio/open_decoder.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

// The decoder reads the bytes in place, so they live as long as the test.
std::unique_ptr<Decoder> Open(const Bytes& file) {
  static std::vector<std::unique_ptr<Bytes>> kept;
  kept.push_back(std::make_unique<Bytes>(file));
  return OpenDecoder(std::make_unique<MemoryReader>(kept.back()->data(), kept.back()->size()));
}

Bytes Raw(std::initializer_list<unsigned> values) {
  Bytes b;
  for (unsigned v : values) b.push_back(static_cast<unsigned char>(v));
  return b;
}

Bytes Float32(float v) {
  Bytes b(4);
  std::memcpy(b.data(), &v, 4);
  return b;
}

Bytes Float64(double v) {
  Bytes b(8);
  std::memcpy(b.data(), &v, 8);
  return b;
}

struct SampleCase {
  const char* name;
  WavLayout layout;
  Bytes oneSample;
  float expected;
};

TEST(WavDecoder, DecodesEverySampleLayoutToFloat) {
  const SampleCase cases[] = {
      {"pcm8", {1, 1, 1, 8000, 8}, Raw({192}), 0.5f},
      {"pcm8 min", {1, 1, 1, 8000, 8}, Raw({0}), -1.0f},
      {"pcm16", {1, 1, 1, 44100, 16}, Raw({0x00, 0x40}), 0.5f},
      {"pcm16 at the lowest rate", {1, 1, 1, 1000, 16}, Raw({0x00, 0x40}), 0.5f},
      {"pcm16 negative", {1, 1, 1, 44100, 16}, Raw({0x00, 0xC0}), -0.5f},
      {"pcm12 in 16-bit containers", {1, 1, 1, 8000, 12}, Raw({0x00, 0x40}), 0.5f},
      {"pcm24", {1, 1, 1, 48000, 24}, Raw({0x00, 0x00, 0xC0}), -0.5f},
      {"pcm32", {1, 1, 1, 96000, 32}, Raw({0, 0, 0, 0x40}), 0.5f},
      {"float32", {3, 3, 1, 44100, 32}, Float32(0.25f), 0.25f},
      {"float64", {3, 3, 1, 44100, 64}, Float64(-0.75), -0.75f},
      {"float32 nan is silence", {3, 3, 1, 44100, 32}, Float32(std::nanf("")), 0.0f},
      {"extensible pcm24", {0xFFFE, 1, 1, 44100, 24}, Raw({0, 0, 0x40}), 0.5f},
      {"extensible float32", {0xFFFE, 3, 1, 44100, 32}, Float32(0.125f), 0.125f},
  };
  for (const SampleCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto decoder = Open(WavFile(c.layout, c.oneSample));
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->lengthFrames(), 1);
    EXPECT_EQ(decoder->format().rate, c.layout.rate);
    float samples[4] = {99.0f};
    ASSERT_EQ(decoder->read(samples, 4), 1u);
    EXPECT_NEAR(samples[0], c.expected, 1e-6);
    EXPECT_EQ(decoder->read(samples, 4), 0u);
  }
}

TEST(WavDecoder, CountsFramesForOneToEightChannels) {
  for (std::uint16_t channels = 1; channels <= 8; ++channels) {
    SCOPED_TRACE(channels);
    auto decoder = Open(WavFile({1, 1, channels, 22050, 16}, Pcm16Frames(101, channels)));
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->format().channels, channels);
    EXPECT_EQ(decoder->lengthFrames(), 101);
  }
}

// Chunks before and after the samples, odd sizes with their pad byte, and
// bytes after the RIFF chunk that are no chunk at all.
TEST(WavDecoder, SkipsUnknownAndOddSizedChunksAndTrailingGarbage) {
  Bytes before;
  PutChunk(before, "LIST", Raw({1, 2, 3}));  // odd: one pad byte follows
  PutChunk(before, "junk", Raw({}));
  PutChunk(before, "cue ", Raw({9, 9, 9, 9, 9}));
  Bytes file = WavFile({1, 1, 1, 8000, 16}, Raw({0x00, 0x20, 0x00, 0x40}), before);
  PutChunk(file, "LIST", Raw({'I', 'N', 'F', 'O', 5, 6, 7}));
  file.insert(file.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
  auto decoder = Open(file);
  ASSERT_NE(decoder, nullptr);
  EXPECT_EQ(decoder->lengthFrames(), 2);
  float samples[4];
  ASSERT_EQ(decoder->read(samples, 4), 2u);
  EXPECT_FLOAT_EQ(samples[0], 0.25f);
  EXPECT_FLOAT_EQ(samples[1], 0.5f);
}

// Data sizes a writer leaves behind: 0 or 0xFFFFFFFF when it never finished
// the header, too large when the file was cut short. The samples then run to
// the end of the file, or to the chunks found after them.
TEST(WavDecoder, UnfinishedOrCutDataSizesPlayWhatThereIs) {
  Bytes list;
  PutChunk(list, "LIST",
           Raw({'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 5, 0, 0, 0, 't', 'e', 's', 't', 0}));
  Bytes trailers = list;
  PutChunk(trailers, "id3 ", Bytes(40, 0x41));
  const struct {
    std::uint32_t size;
    Bytes after;
  } cases[] = {
      {0, {}},       {0xFFFFFFFF, {}},          {1000000, {}}, {0, list}, {0xFFFFFFFF, list},
      {0, trailers}, {0xFFFFFFFF, Raw({0x11})},  // half a frame at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " with " << c.after.size() << " bytes after");
    Bytes file = WavFile({1, 1, 2, 8000, 16}, Pcm16Frames(100, 2));
    file.insert(file.end(), c.after.begin(), c.after.end());
    const std::size_t sizeField = 12 + 8 + 16 + 4;
    for (int i = 0; i < 4; ++i) file[sizeField + i] = static_cast<unsigned char>(c.size >> (8 * i));
    auto decoder = Open(file);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->lengthFrames(), 100);
    std::vector<float> samples(2 * 200);
    EXPECT_EQ(decoder->read(samples.data(), 200), 100u);
    EXPECT_FLOAT_EQ(samples[199], (199 * 7) / 32768.0f);
  }
}

// A damaged MPEG payload (found by fuzzing: 18 bytes after a data size past
// the end of the file) decodes to more frames than the scan of its headers
// counted; the stream still ends at the length it reports.
TEST(WavDecoder, DamagedMpegPayloadPlaysNoMoreThanItsLength) {
  Bytes file{'R', 'I', 'F', 'F', 0xb8, 0,   0,    0, 'W', 'A',
             'V', 'E', 'f', 'm', 't',  ' ', 0x10, 0, 0,   0};
  const Bytes rest =
      Raw({0x50, 0x00, 0x2b, 0x22, 0x11, 0x00, 0xff, 0xff, 0xff, 0xff, 0x09, 0x00, 0x00, 0x49,
           0x00, 0x49, 'd',  'a',  't',  'a',  0xfb, 0xff, 0x74, 0x61, 0xff, 0xff, 0x00, 0x00,
           0x49, 0xff, 0xff, 0x00, 0x25, 0xb9, 0x3a, 0xff, 0xff, 0xff, 0x09, 0x00, 0x00, 0x49});
  file.insert(file.end(), rest.begin(), rest.end());
  auto decoder = Open(file);
  ASSERT_NE(decoder, nullptr);
  const std::int64_t length = decoder->lengthFrames();
  std::vector<float> samples(2 * 4096);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "from the start" : "after a seek to the start");
    std::int64_t total = 0;
    while (const std::size_t got = decoder->read(samples.data(), 4096))
      total += static_cast<std::int64_t>(got);
    EXPECT_LE(total, length);
    ASSERT_TRUE(decoder->seek(0));
  }
}

TEST(WavDecoder, RefusesWhatItCannotPlay) {
  const Bytes oneSample = Raw({0, 0, 0, 0, 0, 0, 0, 0});
  Bytes fmtAfterData{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  PutChunk(fmtAfterData, "data", oneSample);
  PutChunk(fmtAfterData, "fmt ", FmtBody({}));
  Bytes badGuid = WavFile({0xFFFE, 1, 1, 8000, 16}, oneSample);
  badGuid[12 + 8 + 24 + 5] ^= 0xFF;
  Bytes noData = WavFile({}, oneSample);
  noData.resize(12 + 8 + 16);
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"riff only", Raw({'R', 'I', 'F', 'F', 4, 0, 0, 0})},
      {"not wave",
       [] {
         Bytes b = WavFile({}, Raw({0, 0}));
         b[8] = 'X';
         return b;
       }()},
      {"zero channels", WavFile({1, 1, 0, 8000, 16}, oneSample)},
      {"nine channels", WavFile({1, 1, 9, 8000, 16}, Bytes(18))},
      {"zero rate", WavFile({1, 1, 1, 0, 16}, oneSample)},
      {"1 Hz", WavFile({1, 1, 1, 1, 16}, oneSample)},
      {"below the lowest rate", WavFile({1, 1, 1, 999, 16}, oneSample)},
      {"float16", WavFile({3, 3, 1, 8000, 16}, oneSample)},
      {"adpcm", WavFile({2, 1, 1, 8000, 4}, oneSample)},
      {"extensible bad guid", badGuid},
      {"fmt after data", fmtAfterData},
      {"no data chunk", noData},
      {"no frames", WavFile({}, Bytes{})},
      {"half a frame", WavFile({1, 1, 2, 8000, 16}, Raw({1, 2}))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Open(c.file), nullptr);
  }
}

TEST(WavDecoder, SeekLandsOnTheFrameAsked) {
  auto decoder = Open(WavFile({1, 1, 2, 8000, 16}, Pcm16Frames(100, 2)));
  ASSERT_NE(decoder, nullptr);
  ASSERT_TRUE(decoder->seek(40));
  float frame[2];
  ASSERT_EQ(decoder->read(frame, 1), 1u);
  EXPECT_FLOAT_EQ(frame[0], (80 * 7) / 32768.0f);
  EXPECT_FLOAT_EQ(frame[1], (81 * 7) / 32768.0f);
  EXPECT_TRUE(decoder->seek(100));
  EXPECT_EQ(decoder->read(frame, 1), 0u);
  EXPECT_FALSE(decoder->seek(101));
  EXPECT_FALSE(decoder->seek(-1));
}

}  // namespace

namespace {

// Damaged copies of a valid file, the same every run: none may crash the
// reader, and whatever opens decodes no more frames than it states.
TEST(WavDecoder, SurvivesRandomlyDamagedHeaders) {
  Bytes extra;
  PutChunk(extra, "LIST", Raw({1, 2, 3, 4, 5}));
  const Bytes valid = WavFile({0xFFFE, 1, 2, 44100, 24}, Bytes(600, 7), extra);
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
  int opened = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = valid;
    for (int flips = 1 + next() % 4; flips > 0; --flips)
      damaged[next() % 80] = static_cast<unsigned char>(next());
    if (next() % 4 == 0) damaged.resize(next() % damaged.size());
    auto decoder = Open(damaged);
    if (!decoder) continue;
    ++opened;
    std::vector<float> out(256 * decoder->format().channels);
    std::int64_t total = 0;
    while (std::size_t got = decoder->read(out.data(), 256))
      total += static_cast<std::int64_t>(got);
    EXPECT_LE(total, decoder->lengthFrames());
  }
  EXPECT_GT(opened, 100);
}

}  // namespace
