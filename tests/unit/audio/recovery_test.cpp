// The output side when things go wrong: a sound device that is missing at
// start, goes away during playback and comes back, and a mixer whose stream
// runs out of memory.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

#include "audio/audio.h"
#include "audio/fallback_output.h"
#include "audio/memory_reader.h"
#include "audio/mixer.h"
#include "audio/open_decoder.h"
#include "audio/silent_output.h"
#include "audio/test_hooks.h"
#include "tests/unit/audio/polling.h"
#include "tests/unit/audio/test_outputs.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

using std::chrono::milliseconds;

constexpr std::uint32_t kRate = 44100;
constexpr std::int64_t kBlock = kRate / 100;
constexpr RetryTiming kOnlyWhenAsked{milliseconds(0), milliseconds(3'600'000)};
constexpr RetryTiming kNever{milliseconds(3'600'000), milliseconds(3'600'000)};
constexpr RetryTiming kOften{milliseconds(0), milliseconds(0)};

void WriteBlocks(Output& output, int count) {
  const std::vector<std::int16_t> silence(2 * output.blockFrames(), 0);
  for (int i = 0; i < count; ++i) output.write(silence.data());
}

TEST(FallbackOutput, StartsOnTheDeviceOnlyWhenItOpens) {
  const struct {
    bool serverUp;
    bool withOpener;
    bool onDevice;
  } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.serverUp << c.withOpener);
    FakeSoundServer server;
    server.up = c.serverUp;
    FallbackOutput output(kRate, c.withOpener ? server.opener() : nullptr, kNever);
    EXPECT_EQ(output.onDevice(), c.onDevice);
    EXPECT_EQ(output.blockFrames(), static_cast<std::size_t>(kBlock));
    EXPECT_EQ(server.tries.load(), c.withOpener ? 1 : 0);
  }
}

// Frames still queued on the silent output count as played when the device
// takes over: the position never goes back and nothing is played twice.
TEST(FallbackOutput, MovesToTheDeviceWhenItAppearsAndKeepsTheFrameCount) {
  FakeSoundServer server;
  FallbackOutput output(kRate, server.opener(), kOnlyWhenAsked);
  ASSERT_FALSE(output.onDevice());
  WriteBlocks(output, 3);
  server.up = true;
  output.retrySoon();
  std::int64_t played = 0;
  ASSERT_TRUE(WaitFor(
      [&] {
        const std::int64_t now = output.playedFrames();
        EXPECT_GE(now, played);
        played = now;
        return output.onDevice();
      },
      milliseconds(3000)));
  EXPECT_EQ(played, 3 * kBlock);
  WriteBlocks(output, 2);
  EXPECT_EQ(server.framesHeard.load(), 2 * kBlock);
  EXPECT_EQ(server.opens.load(), 1);
}

TEST(FallbackOutput, FallsBackWhenTheDeviceFailsAndComesBackToIt) {
  FakeSoundServer server;
  server.up = true;
  FallbackOutput output(kRate, server.opener(), kOften);
  ASSERT_TRUE(output.onDevice());
  WriteBlocks(output, 2);
  server.up = false;
  EXPECT_EQ(output.playedFrames(), 2 * kBlock);
  EXPECT_FALSE(output.onDevice());
  // The silent output's clock plays on what is handed over next.
  WriteBlocks(output, 2);
  EXPECT_TRUE(WaitFor([&] { return output.playedFrames() > 3 * kBlock; }, milliseconds(2000)));
  server.up = true;
  EXPECT_TRUE(WaitFor([&] { return output.playedFrames() >= 4 * kBlock && output.onDevice(); },
                      milliseconds(3000)));
  EXPECT_EQ(server.opens.load(), 2);
}

TEST(FallbackOutput, TriesTheDeviceWhenAskedOrDueAndNotOtherwise) {
  FakeSoundServer server;
  FallbackOutput never(kRate, server.opener(), kNever);
  for (int i = 0; i < 50; ++i) {
    never.retrySoon();
    never.playedFrames();
  }
  EXPECT_EQ(server.tries.load(), 1);

  FakeSoundServer asked;
  FallbackOutput onRequest(kRate, asked.opener(), kOnlyWhenAsked);
  for (int i = 0; i < 50; ++i) onRequest.playedFrames();
  EXPECT_EQ(asked.tries.load(), 1);
  onRequest.retrySoon();
  EXPECT_TRUE(WaitFor(
      [&] {
        onRequest.playedFrames();
        return asked.tries.load() == 2;
      },
      milliseconds(2000)));

  FakeSoundServer periodic;
  FallbackOutput often(kRate, periodic.opener(), kOften);
  EXPECT_TRUE(WaitFor(
      [&] {
        often.playedFrames();
        return periodic.tries.load() >= 3;
      },
      milliseconds(2000)));
}

// Through the audio operations, as a player sees it: the sound server starts
// after the program, goes away during a track and comes back.
TEST(AudioRecovery, PlaybackMovesBetweenDeviceAndSilenceWithoutLosingItsPlace) {
  static const Bytes tone = WavFile({1, 1, 2, kRate, 16}, Pcm16Frames(10 * kRate, 2));
  FakeSoundServer server;
  AudioTestShutdown();
  AudioTestForceSilentOutput(false);
  AudioTestUseDeviceOpener(server.opener());
  ASSERT_TRUE(BASS_Init(kDefaultDevice, kRate, 0, nullptr, nullptr));
  EXPECT_TRUE(AudioTestUsesSilentOutput());
  const AudioHandle h =
      BASS_StreamCreateFile(true, tone.data(), 0, static_cast<std::int64_t>(tone.size()), 0);
  ASSERT_NE(h, 0u);
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  std::int64_t last = 0;
  const auto advancing = [&] {
    const std::int64_t now = BASS_ChannelGetPosition(h, kPositionBytes);
    EXPECT_GE(now, last);
    last = now;
    return now;
  };
  ASSERT_TRUE(WaitFor([&] { return advancing() > 0; }, milliseconds(2000)));

  server.up = true;
  const AudioHandle next =
      BASS_StreamCreateFile(true, tone.data(), 0, static_cast<std::int64_t>(tone.size()), 0);
  EXPECT_NE(next, 0u);
  EXPECT_TRUE(WaitFor(
      [&] {
        advancing();
        return !AudioTestUsesSilentOutput();
      },
      milliseconds(6000)));
  EXPECT_TRUE(WaitFor(
      [&] {
        advancing();
        return server.framesHeard.load() > kRate / 10;
      },
      milliseconds(2000)));

  server.up = false;
  EXPECT_TRUE(WaitFor(
      [&] {
        advancing();
        return AudioTestUsesSilentOutput();
      },
      milliseconds(2000)));
  const std::int64_t atFailure = advancing();
  EXPECT_TRUE(
      WaitFor([&] { return advancing() > atFailure + 4 * kRate / 10; }, milliseconds(2000)));

  server.up = true;
  EXPECT_TRUE(WaitFor(
      [&] {
        advancing();
        return !AudioTestUsesSilentOutput();
      },
      milliseconds(6000)));
  const std::int64_t length = BASS_ChannelGetLength(h, kPositionBytes);
  ASSERT_TRUE(BASS_ChannelSetPosition(h, length - 4 * kRate / 5, kPositionBytes));
  last = 0;
  EXPECT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(3000)));
  EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), length);
  AudioTestShutdown();
  AudioTestUseDeviceOpener(nullptr);
}

// A decoder that runs out of memory after a few reads, or at its first seek.
class FailingDecoder final : public Decoder {
 public:
  explicit FailingDecoder(bool failSeek) : failSeek_(failSeek) {}
  AudioFormat format() const override { return {kRate, 2}; }
  std::int64_t lengthFrames() const override { return 10 * kRate; }
  std::size_t read(float* out, std::size_t frames) override {
    if (++reads_ > 3 && !failSeek_) throw std::bad_alloc();
    std::fill(out, out + 2 * frames, 0.25f);
    return frames;
  }
  bool seek(std::int64_t) override {
    if (failSeek_) throw std::bad_alloc();
    return true;
  }

 private:
  bool failSeek_;
  int reads_ = 0;
};

TEST(MixerFailure, AStreamThatRunsOutOfMemoryEndsAndTheOthersPlayOn) {
  static const Bytes tone = WavFile({1, 1, 2, kRate, 16}, Pcm16Frames(5 * kRate, 2));
  for (bool failSeek : {false, true}) {
    SCOPED_TRACE(failSeek);
    StreamTable streams;
    Mixer mixer(std::make_unique<SilentOutput>(kRate), streams);
    auto failing = std::make_shared<Stream>(std::make_unique<FailingDecoder>(failSeek), kRate);
    auto good = std::make_shared<Stream>(
        OpenDecoder(std::make_unique<MemoryReader>(tone.data(), tone.size())), kRate);
    streams.add(failing);
    streams.add(good);
    ASSERT_TRUE(mixer.start());
    ASSERT_TRUE(failing->play(false));
    if (failSeek) {
      ASSERT_TRUE(failing->setPosition(kRate));
    }
    ASSERT_TRUE(good->play(false));
    mixer.wake();
    EXPECT_TRUE(WaitFor([&] { return failing->activity() == kActiveStopped; }, milliseconds(3000)));
    const std::int64_t at = good->positionFrames();
    EXPECT_TRUE(
        WaitFor([&] { return good->positionFrames() > at + kRate / 5; }, milliseconds(3000)));
    EXPECT_EQ(good->activity(), kActivePlaying);
  }
}

}  // namespace
