// The MPEG decoder on the fixtures lame made at build time: the length it
// states before playing is the number of frames that really decode.
#include "audio/mp3_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/ansi_file.h"
#include "audio/memory_reader.h"
#include "audio/open_decoder.h"
#include "tests/unit/audio/fixture_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::unique_ptr<Decoder> OpenFixture(const std::string& name) {
  return OpenDecoder(AnsiFile::Open(FixturePath(name).c_str(), 0, 0));
}

std::int64_t DecodeAll(Decoder& decoder) {
  std::vector<float> buffer(4096 * decoder.format().channels);
  std::int64_t total = 0;
  while (std::size_t got = decoder.read(buffer.data(), 4096))
    total += static_cast<std::int64_t>(got);
  return total;
}

TEST(Mp3Decoder, StatedLengthIsWhatDecodes) {
  const struct {
    const char* file;
    std::uint32_t rate;
    std::uint32_t channels;
    std::int64_t frames;  // -1: not known beforehand, only that it is what decodes
  } cases[] = {
      {"lame44s.mp3", 44100, 2, 88200},   // MPEG 1, gapless through the LAME header
      {"plain44s.mp3", 44100, 2, 89856},  // no LAME header: 78 whole frames, scanned
      {"lame22m.mp3", 22050, 1, 44100},   // MPEG 2
      {"lame8m.mp3", 8000, 1, 16000},     // MPEG 2.5
      {"id3.mp3", 44100, 2, 88200},
      {"ape.mp3", 44100, 2, 89856},
      {"junkfront.mp3", 44100, 2, -1},
      // A sine cut at frame 37,013, each part encoded alone: the encoder's
      // delay and padding are trimmed to the very frame.
      {"half1.mp3", 44100, 2, 37013},
      {"half2.mp3", 44100, 2, 51187},
      {"sine48.mp3", 48000, 2, 48000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto decoder = OpenFixture(c.file);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->format().rate, c.rate);
    EXPECT_EQ(decoder->format().channels, c.channels);
    const std::int64_t stated = decoder->lengthFrames();
    if (c.frames >= 0) {
      EXPECT_EQ(stated, c.frames);
    }
    EXPECT_EQ(DecodeAll(*decoder), stated);
  }
}

// Half the file is gone but its LAME header still promises the whole: the
// length stated at open is what decodes, within one MPEG frame, and the
// encoder's delay is still skipped, so the cut file starts on the same
// sample as the whole one.
TEST(Mp3Decoder, CutFilesStateTheirDecodableLengthAtOpenAndStartOnTheirFirstSample) {
  const struct {
    const char* file;
    const char* whole;
    std::int64_t promised;
  } cases[] = {{"truncated.mp3", "lame44s.mp3", 88200}, {"cut3m.mp3", "lame3m.mp3", 132300}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto decoder = OpenFixture(c.file);
    auto whole = OpenFixture(c.whole);
    ASSERT_NE(decoder, nullptr);
    ASSERT_NE(whole, nullptr);
    const std::size_t channels = decoder->format().channels;
    std::vector<float> start(2000 * channels), wholeStart(2000 * channels);
    ASSERT_EQ(whole->read(wholeStart.data(), 2000), 2000u);
    ASSERT_EQ(decoder->read(start.data(), 2000), 2000u);
    for (std::size_t i = 0; i < start.size(); ++i) ASSERT_NEAR(start[i], wholeStart[i], 1e-4) << i;
    ASSERT_TRUE(decoder->seek(0));
    const std::int64_t stated = decoder->lengthFrames();
    const std::int64_t decoded = DecodeAll(*decoder);
    EXPECT_NEAR(stated, decoded, 1152);
    EXPECT_GT(decoded, c.promised * 4 / 10);
    EXPECT_LT(decoded, c.promised * 6 / 10);
  }
}

TEST(Mp3Decoder, DamagedFilesPlayWhatIsDecodable) {
  // 8000 bytes of frames replaced by junk: the rest still plays.
  auto damaged = OpenFixture("junkmiddle.mp3");
  ASSERT_NE(damaged, nullptr);
  const std::int64_t rest = DecodeAll(*damaged);
  EXPECT_GT(rest, 50000);
  EXPECT_LT(rest, 89856);
}

// From a seek the rest decodes sample for sample as it does from the start,
// and exactly up to the end the encoder's padding was trimmed at.
TEST(Mp3Decoder, SeekIsSampleExactAndTheRestEndsOnTheLastFrame) {
  const struct {
    const char* file;
    std::int64_t to;
  } cases[] = {{"lame44s.mp3", 54321},
               {"half1.mp3", 12345},
               {"half2.mp3", 40000},
               {"sine48.mp3", 1},
               {"truncated.mp3", 30000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto whole = OpenFixture(c.file);
    auto sought = OpenFixture(c.file);
    ASSERT_NE(whole, nullptr);
    ASSERT_NE(sought, nullptr);
    const std::size_t channels = whole->format().channels;
    const std::int64_t length = whole->lengthFrames();
    std::vector<float> all(channels * static_cast<std::size_t>(length));
    ASSERT_EQ(whole->read(all.data(), all.size() / channels), all.size() / channels);
    ASSERT_TRUE(sought->seek(c.to));
    std::vector<float> rest(all.size());
    const std::size_t got = sought->read(rest.data(), all.size() / channels);
    ASSERT_EQ(static_cast<std::int64_t>(got), length - c.to);
    EXPECT_EQ(sought->read(rest.data(), 1), 0u);
    for (std::size_t i = 0; i < got * channels; i += 97)
      ASSERT_NEAR(rest[i], all[c.to * channels + i], 1e-4) << i;
  }
}

// Damaged in memory the same way every run: never a crash or a hang, and at
// most a little more than the undamaged file holds. A flipped bit in a frame
// header can lower its bitrate, so the same bytes then hold a few more,
// shorter frames; a tenth more than the whole is far from a runaway decode.
TEST(Mp3Decoder, SurvivesRandomDamage) {
  const Bytes valid = ReadFixture("plain44s.mp3");
  ASSERT_GT(valid.size(), 10000u);
  std::uint32_t seed = 777;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
  for (int round = 0; round < 150; ++round) {
    Bytes damaged = valid;
    for (int flips = 0; flips < 200; ++flips)
      damaged[next() % damaged.size()] = static_cast<unsigned char>(next());
    if (round % 3 == 0) damaged.resize(next() % damaged.size());
    auto decoder = OpenDecoder(std::make_unique<MemoryReader>(damaged.data(), damaged.size()));
    if (!decoder) continue;
    EXPECT_LE(DecodeAll(*decoder), 89856 + 89856 / 10);
  }
}

// The info frame's count of MPEG frames, forged: four bytes after the tag
// and its flags. Such a header once claimed 228 days in 1.3 KB, and a seek
// to the middle of that searched for a minute on the mixer's thread.
TEST(Mp3Decoder, LengthNoFileOfThisSizeHoldsIsScanned) {
  const Bytes valid = ReadFixture("lame44s.mp3");
  const std::string text(valid.begin(), valid.end());
  const std::size_t tag = text.find("Info");
  ASSERT_NE(tag, std::string::npos);
  ASSERT_TRUE(valid[tag + 7] & 1) << "the count of frames is present";
  for (unsigned char count : {0x7F, 0xFF}) {
    Bytes forged = valid;
    forged[tag + 8] = count;
    auto decoder = OpenDecoder(std::make_unique<MemoryReader>(forged.data(), forged.size()));
    ASSERT_TRUE(decoder) << int(count);
    // Counted frame by frame: the encoder's delay is skipped, its padding stays in.
    const std::int64_t length = decoder->lengthFrames();
    EXPECT_GE(length, 88200) << int(count);
    EXPECT_LE(length, 88200 + 1152 * 4) << int(count);
    ASSERT_TRUE(decoder->seek(length / 2));
    EXPECT_NEAR(static_cast<double>(DecodeAll(*decoder)), static_cast<double>(length - length / 2),
                1152 * 2)
        << int(count);
  }
}

TEST(Mp3Decoder, RefusesWhatHoldsNoAudio) {
  for (const char* file : {"empty.mp3", "noise.mp3", "song.mid", "missing.mp3"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(OpenFixture(file), nullptr);
  }
}

}  // namespace
