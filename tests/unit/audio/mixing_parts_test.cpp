// The platform-free pieces the mixer is built from: which stream frame is
// heard, the volume ramp, the downmix to stereo, the handle table.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "audio/downmix.h"
#include "audio/gain_ramp.h"
#include "audio/memory_reader.h"
#include "audio/position_map.h"
#include "audio/stream_table.h"
#include "audio/wav_decoder.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

TEST(PositionMap, FollowsPlayedFramesThroughBlocksGapsAndSeeks) {
  PositionMap map;
  map.addBlock(0, 100, 0, 100);
  map.addBlock(100, 200, 100, 200);
  // paused from 200 to 300, then resumed
  map.addBlock(300, 400, 200, 300);
  const struct {
    std::int64_t played;
    std::int64_t heard;
  } steps[] = {{0, 0},     {50, 50},   {100, 100}, {199, 199}, {250, 200},
               {300, 200}, {350, 250}, {400, 300}, {900, 300}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.played);
    EXPECT_EQ(map.heardAt(step.played), step.heard);
  }
  EXPECT_TRUE(map.allHeard(400));
  map.reset(1000, 5000);  // a seek: the old audio still queued is not the new place
  EXPECT_EQ(map.heardAt(950), 5000);
  map.addBlock(1000, 1100, 5000, 5050);  // resampled: half as many stream frames
  EXPECT_EQ(map.heardAt(1050), 5025);
  EXPECT_FALSE(map.allHeard(1099));
  EXPECT_TRUE(map.allHeard(1100));
}

TEST(GainRamp, ReachesTheTargetOverFiveMillisecondsWithoutJumps) {
  GainRamp ramp(1000);  // 5 frames of ramp at this rate
  std::vector<float> frames(2 * 10, 1.0f);
  ramp.apply(frames.data(), 10, 0.5f);
  const float expected[] = {0.2f, 0.4f, 0.5f, 0.5f};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(frames[2 * i], expected[i]);
    EXPECT_FLOAT_EQ(frames[2 * i + 1], expected[i]);
  }
  std::vector<float> down(2 * 10, 1.0f);
  ramp.apply(down.data(), 10, 0.0f);
  EXPECT_FLOAT_EQ(down[0], 0.3f);
  EXPECT_FLOAT_EQ(down[6], 0.0f);
}

// One speaker at a time: where it is heard, and how loud, in stereo.
TEST(Downmix, PlacesEachSpeakerOfTheDefaultOrder) {
  const struct {
    const char* name;
    std::vector<float> frame;
    float left;
    float right;
  } cases[] = {
      {"mono on both sides", {0.5f}, 0.5f, 0.5f},
      {"stereo as it is", {0.25f, -0.5f}, 0.25f, -0.5f},
      {"3.0 centre", {0, 0, 1}, 0.4142f, 0.4142f},
      {"quad front left", {1, 0, 0, 0}, 0.5858f, 0},
      {"quad back right", {0, 0, 0, 1}, 0, 0.4142f},
      {"5.0 front right", {0, 1, 0, 0, 0}, 0, 0.4142f},
      {"5.1 LFE nowhere", {0, 0, 0, 1, 0, 0}, 0, 0},
      {"5.1 back left", {0, 0, 0, 0, 1, 0}, 0.2929f, 0},
      {"6.1 back centre", {0, 0, 0, 0, 1, 0, 0}, 0.1716f, 0.1716f},
      {"7.1 side right", {0, 0, 0, 0, 0, 0, 0, 1}, 0, 0.2265f},
      {"7.1 front left", {1, 0, 0, 0, 0, 0, 0, 0}, 0.3204f, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    float stereo[2] = {99, 99};
    ToStereo(c.frame.data(), static_cast<std::uint32_t>(c.frame.size()), 1, stereo);
    EXPECT_NEAR(stereo[0], c.left, 1e-4);
    EXPECT_NEAR(stereo[1], c.right, 1e-4);
  }
}

// The same full-scale signal on every channel stays at full scale: never
// louder, so a downmix cannot clip.
TEST(Downmix, FullScaleOnEveryChannelStaysFullScale) {
  for (std::uint32_t channels = 1; channels <= 8; ++channels) {
    SCOPED_TRACE(channels);
    const std::vector<float> frames(3 * channels, -1.0f);
    float stereo[6];
    ToStereo(frames.data(), channels, 3, stereo);
    for (float v : stereo) EXPECT_NEAR(v, -1.0f, 1e-6);
  }
}

TEST(StreamTable, FreedHandlesFailAndAreNotHandedOutAgainSoon) {
  static const Bytes file = WavFile({}, Pcm16Frames(10, 2));
  auto stream = std::make_shared<Stream>(
      WavDecoder::Open(std::make_unique<MemoryReader>(file.data(), file.size())), 44100);
  StreamTable table;
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 5000; ++i) {
    const std::uint32_t handle = table.add(stream);
    ASSERT_EQ(table.find(handle), stream);
    ASSERT_NE(handle, 0u);
    ASSERT_TRUE(seen.insert(handle).second) << "handle " << handle << " came back after " << i;
    ASSERT_TRUE(table.remove(handle));
    EXPECT_FALSE(table.remove(handle));
    EXPECT_EQ(table.find(handle), nullptr);
  }
  const std::uint32_t invalid[] = {0, 1, 0xFFFFFFFF, 0x00010000};
  for (std::uint32_t handle : invalid) EXPECT_FALSE(table.remove(handle)) << handle;
}

}  // namespace

namespace {

std::shared_ptr<Stream> MemoryStream(const Bytes& file, std::uint32_t outputRate) {
  return std::make_shared<Stream>(
      WavDecoder::Open(std::make_unique<MemoryReader>(file.data(), file.size())), outputRate);
}

Bytes ConstantPcm16(std::uint32_t samples, std::int16_t value) {
  Bytes data;
  for (std::uint32_t i = 0; i < samples; ++i) Put16(data, static_cast<std::uint16_t>(value));
  return data;
}

TEST(StreamMixing, VolumeScalesAfterAFadeInAndMonoFillsBothChannels) {
  static const Bytes file = WavFile({1, 1, 1, 44100, 16}, ConstantPcm16(1000, 16384));
  auto stream = MemoryStream(file, 44100);
  stream->setVolume(0.5f);
  ASSERT_TRUE(stream->play(false));
  stream->service(0, 0);
  std::vector<float> mix(2 * 441, 0.0f);
  stream->mixInto(mix.data(), 441, 0);
  EXPECT_LT(mix[0], 0.01f);
  EXPECT_FLOAT_EQ(mix[2 * 400], 0.25f);
  EXPECT_FLOAT_EQ(mix[2 * 400 + 1], 0.25f);
}

TEST(StreamMixing, PauseTurnsTheSoundDownInsteadOfCuttingIt) {
  static const Bytes file = WavFile({1, 1, 1, 44100, 16}, ConstantPcm16(44100, 16384));
  auto stream = MemoryStream(file, 44100);
  ASSERT_TRUE(stream->play(false));
  std::vector<float> mix(2 * 441, 0.0f);
  stream->mixInto(mix.data(), 441, 0);
  ASSERT_FLOAT_EQ(mix[2 * 440], 0.5f);
  ASSERT_TRUE(stream->pause());
  EXPECT_TRUE(stream->wantsAudio());
  std::fill(mix.begin(), mix.end(), 0.0f);
  stream->mixInto(mix.data(), 441, 441);
  EXPECT_GT(mix[0], 0.45f);
  for (std::size_t i = 1; i < 441; ++i) ASSERT_LE(mix[2 * i], mix[2 * (i - 1)]) << i;
  EXPECT_EQ(mix[2 * 440], 0.0f);
  EXPECT_FALSE(stream->wantsAudio());
  std::fill(mix.begin(), mix.end(), 1.0f);
  stream->mixInto(mix.data(), 441, 882);
  EXPECT_EQ(mix[0], 1.0f);
}

// Played out as fast as it is mixed: a 22050 Hz second on a 44100 Hz output
// takes twice as many output frames, and the stream ends at its own length.
TEST(StreamMixing, ResampledStreamEndsAtItsOwnLength) {
  static const Bytes file = WavFile({1, 1, 2, 22050, 16}, ConstantPcm16(2 * 22050, 1000));
  auto stream = MemoryStream(file, 44100);
  ASSERT_TRUE(stream->play(false));
  std::vector<float> mix(2 * 441);
  std::int64_t written = 0;
  std::int64_t halfway = -1;
  for (int block = 0; block < 200 && stream->activity() != 0; ++block) {
    stream->service(written, written);
    if (written == 22050) halfway = stream->positionFrames();
    stream->mixInto(mix.data(), 441, written);
    written += 441;
  }
  EXPECT_EQ(stream->activity(), 0u);
  EXPECT_NEAR(static_cast<double>(written), 44100.0, 44100 * 0.02);
  EXPECT_NEAR(static_cast<double>(halfway), 11025.0, 200.0);
  EXPECT_EQ(stream->positionFrames(), 22050);
  EXPECT_EQ(stream->lengthFrames(), 22050);
}

}  // namespace
