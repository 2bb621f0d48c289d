// The audio operations as the players call them, on the silent output: a
// real-time clock stands in for the speakers, so positions and ends are real.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include "audio/audio.h"
#include "audio/test_hooks.h"
#include "tests/unit/audio/midi_bytes.h"
#include "tests/unit/audio/polling.h"
#include "tests/unit/audio/test_outputs.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double Seconds(AudioHandle h, std::int64_t bytes) { return BASS_ChannelBytes2Seconds(h, bytes); }
double PositionSeconds(AudioHandle h) {
  return Seconds(h, BASS_ChannelGetPosition(h, kPositionBytes));
}

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return folder + name;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size();
}

class AudioApi : public ::testing::Test {
 protected:
  void SetUp() override {
    AudioTestForceSilentOutput(true);
    ASSERT_TRUE(BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr));
    ASSERT_TRUE(AudioTestUsesSilentOutput());
  }
  void TearDown() override { AudioTestShutdown(); }

  // The bytes stay alive in the fixture for as long as the stream reads them.
  AudioHandle FromMemory(Bytes bytes) {
    kept_.push_back(std::move(bytes));
    const Bytes& b = kept_.back();
    return BASS_StreamCreateFile(true, b.data(), 0, static_cast<std::int64_t>(b.size()), 0);
  }
  AudioHandle Tone(std::uint32_t frames, std::uint16_t channels = 2, std::uint32_t rate = 44100) {
    return FromMemory(WavFile({1, 1, channels, rate, 16}, Pcm16Frames(frames, channels)));
  }

  std::vector<Bytes> kept_;
};

TEST_F(AudioApi, LengthsCountSixteenBitFramesOfTheStreamsOwnFormat) {
  const struct {
    WavLayout layout;
    std::uint32_t frames;
    std::int64_t bytes;
    double seconds;
  } cases[] = {
      {{1, 1, 1, 8000, 8}, 8000, 16000, 1.0},         {{1, 1, 1, 11025, 16}, 11025, 22050, 1.0},
      {{1, 1, 2, 22050, 24}, 11025, 44100, 0.5},      {{1, 1, 2, 44100, 16}, 66150, 264600, 1.5},
      {{3, 3, 2, 48000, 32}, 12000, 48000, 0.25},     {{3, 3, 6, 48000, 64}, 48000, 576000, 1.0},
      {{0xFFFE, 1, 8, 96000, 24}, 9600, 153600, 0.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::size_t size = c.frames * c.layout.channels * c.layout.bits / 8;
    const AudioHandle h = FromMemory(WavFile(c.layout, Bytes(size, c.layout.bits == 8 ? 128 : 0)));
    ASSERT_NE(h, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(h, kPositionBytes), c.bytes);
    EXPECT_DOUBLE_EQ(Seconds(h, c.bytes), c.seconds);
    EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), 0);
    EXPECT_EQ(BASS_ChannelIsActive(h), kActiveStopped);
  }
}

TEST_F(AudioApi, Mp3LengthsAreExactBeforePlaying) {
  const struct {
    const char* file;
    std::int64_t bytes;
    double seconds;
  } cases[] = {
      {"fixtures/lame44s.mp3", 352800, 2.0},
      {"fixtures/lame22m.mp3", 88200, 2.0},
      {"fixtures/lame8m.mp3", 32000, 2.0},
      {"fixtures/plain44s.mp3", 359424, 89856 / 44100.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const AudioHandle h = BASS_StreamCreateFile(false, c.file, 0, 0, 0);
    ASSERT_NE(h, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(h, kPositionBytes), c.bytes);
    EXPECT_DOUBLE_EQ(Seconds(h, c.bytes), c.seconds);
    EXPECT_TRUE(BASS_StreamFree(h));
  }
}

TEST_F(AudioApi, InvalidAndFreedHandlesFailHarmlessly) {
  const AudioHandle freed = Tone(4410);
  ASSERT_NE(freed, 0u);
  ASSERT_TRUE(BASS_ChannelPlay(freed, false));
  ASSERT_TRUE(BASS_StreamFree(freed));
  for (AudioHandle h : {AudioHandle{0}, AudioHandle{12345}, AudioHandle{0xFFFFFFFF}, freed}) {
    SCOPED_TRACE(h);
    EXPECT_EQ(BASS_ChannelGetLength(h, kPositionBytes), -1);
    EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), -1);
    EXPECT_LT(Seconds(h, 1000), 0.0);
    EXPECT_EQ(BASS_ChannelIsActive(h), kActiveStopped);
    EXPECT_FALSE(BASS_ChannelPlay(h, false));
    EXPECT_FALSE(BASS_ChannelPause(h));
    EXPECT_FALSE(BASS_ChannelSetAttribute(h, kVolumeAttribute, 0.5f));
    EXPECT_FALSE(BASS_ChannelSetPosition(h, 0, kPositionBytes));
    EXPECT_FALSE(BASS_StreamFree(h));
  }
  const AudioHandle next = Tone(4410);
  EXPECT_NE(next, 0u);
  EXPECT_NE(next, freed);
}

// The silent output never plays ahead of the clock, so those bounds are
// tight; a mixer thread starved on a loaded machine falls behind it, so the
// bounds on lateness only catch a clock that stalls or runs far too slow.
TEST_F(AudioApi, PositionAdvancesInRealTimeAndActivityEndsAtTheEnd) {
  const AudioHandle h = Tone(22050);  // 0.5 s
  ASSERT_NE(h, 0u);
  const auto start = Clock::now();
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
  ASSERT_TRUE(WaitFor([&] { return PositionSeconds(h) >= 0.2; }, milliseconds(2000)));
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  const double position = PositionSeconds(h);
  EXPECT_LE(position, elapsed + 0.02);
  EXPECT_GE(position, elapsed - 0.3);
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(3000)));
  const double total = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_GE(total, 0.5);
  EXPECT_LT(total, 1.2);
  EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), BASS_ChannelGetLength(h, kPositionBytes));
}

TEST_F(AudioApi, PauseKeepsThePositionAndPlayResumesIt) {
  const AudioHandle h = Tone(88200);
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  ASSERT_TRUE(WaitFor([&] { return PositionSeconds(h) >= 0.3; }, milliseconds(2000)));
  ASSERT_TRUE(BASS_ChannelPause(h));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePaused);
  EXPECT_FALSE(BASS_ChannelPause(h));
  // What was already queued is still heard, then the position rests. The
  // window is long against a mixer thread held up by a busy machine.
  std::int64_t rest = -1;
  ASSERT_TRUE(WaitFor(
      [&] {
        const std::int64_t before = BASS_ChannelGetPosition(h, kPositionBytes);
        std::this_thread::sleep_for(milliseconds(100));
        rest = BASS_ChannelGetPosition(h, kPositionBytes);
        return rest == before;
      },
      milliseconds(1000)));
  EXPECT_LT(Seconds(h, rest), 0.6);
  EXPECT_FALSE(WaitFor([&] { return BASS_ChannelGetPosition(h, kPositionBytes) != rest; },
                       milliseconds(300)));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePaused);
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
  ASSERT_TRUE(WaitFor([&] { return BASS_ChannelGetPosition(h, kPositionBytes) > rest; },
                      milliseconds(500)));
  EXPECT_LT(PositionSeconds(h) - Seconds(h, rest), 0.1);
}

TEST_F(AudioApi, SeekRoundsDownToAFrameAndRefusesTheEnd) {
  const AudioHandle h = Tone(88200);  // stereo: 4 bytes a frame
  const std::int64_t length = BASS_ChannelGetLength(h, kPositionBytes);
  const struct {
    std::int64_t asked;
    bool accepted;
    std::int64_t position;
  } cases[] = {
      {4001, true, 4000},
      {4003, true, 4000},
      {7, true, 4},
      {length, false, 4},
      {length + 4, false, 4},
      {-4, false, 4},
      {length - 1, true, length - 4},
      {0, true, 0},
      {INT64_MIN, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    EXPECT_EQ(BASS_ChannelSetPosition(h, c.asked, kPositionBytes), c.accepted);
    EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), c.position);
  }
  EXPECT_FALSE(BASS_ChannelSetPosition(h, 400, 1));
  EXPECT_EQ(BASS_ChannelGetLength(h, 1), -1);
  // While playing, a refused seek leaves the sound where it was.
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  ASSERT_TRUE(BASS_ChannelSetPosition(h, 176400 * 1, kPositionBytes));  // 1.0 s
  ASSERT_TRUE(WaitFor([&] { return PositionSeconds(h) > 1.1; }, milliseconds(1000)));
  EXPECT_FALSE(BASS_ChannelSetPosition(h, length, kPositionBytes));
  EXPECT_GT(PositionSeconds(h), 1.1);
  EXPECT_LT(PositionSeconds(h), 1.6);
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
}

TEST_F(AudioApi, PlayingAfterTheEndStartsAgain) {
  const AudioHandle h = Tone(4410);  // 0.1 s
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(2000)));
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePlaying);
  EXPECT_LT(PositionSeconds(h), 0.05);
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(2000)));
  // Restarting a playing stream goes back to the beginning too.
  const AudioHandle long_ = Tone(88200);
  ASSERT_TRUE(BASS_ChannelPlay(long_, false));
  ASSERT_TRUE(WaitFor([&] { return PositionSeconds(long_) > 0.2; }, milliseconds(1000)));
  ASSERT_TRUE(BASS_ChannelPlay(long_, true));
  EXPECT_LT(PositionSeconds(long_), 0.05);
}

// The mixer is heard through a meter: a steady tone of 10000 comes out at
// the clamped volume times 10000 (unclamped, 1.04 would give 10400 and
// -0.12 a level of 1200). A volume that is not a number leaves the one set.
TEST_F(AudioApi, VolumeIsClampedAndOnlyTheVolumeAttributeIsKnown) {
  LevelMeter meter;
  AudioTestShutdown();
  AudioTestForceSilentOutput(false);
  AudioTestUseDeviceOpener(meter.opener());
  ASSERT_TRUE(BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr));
  Bytes samples;
  for (int i = 0; i < 4410 * 2; ++i) Put16(samples, 10000);
  const Bytes steady = WavFile({}, samples);
  const struct {
    float set;
    int heard;
  } cases[] = {{0.0f, 0},      {0.5f, 5000},   {1.0f, 10000}, {-0.12f, 0},
               {1.04f, 10000}, {1e30f, 10000}, {-INFINITY, 0}};
  for (const auto& c : cases) {
    const AudioHandle h = FromMemory(steady);
    ASSERT_NE(h, 0u);
    EXPECT_TRUE(BASS_ChannelSetAttribute(h, kVolumeAttribute, c.set)) << c.set;
    if (c.set == 0.5f) {
      EXPECT_FALSE(BASS_ChannelSetAttribute(h, kVolumeAttribute, std::nanf("")));
    }
    meter.loudest = 0;
    ASSERT_TRUE(BASS_ChannelPlay(h, false));
    ASSERT_TRUE(
        WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(2000)));
    EXPECT_NEAR(meter.loudest.load(), c.heard, 1) << c.set;
    EXPECT_TRUE(BASS_StreamFree(h));
  }
  EXPECT_FALSE(BASS_ChannelSetAttribute(Tone(4410), 1, 0.5f));
  AudioTestShutdown();
  AudioTestUseDeviceOpener(nullptr);
}

TEST_F(AudioApi, FreeingAtAnyMomentIsSafe) {
  for (int i = 0; i < 200; ++i) {
    const AudioHandle h =
        i % 2 ? Tone(44100) : BASS_StreamCreateFile(false, "fixtures/lame22m.mp3", 0, 0, 0);
    ASSERT_NE(h, 0u);
    BASS_ChannelPlay(h, false);
    if (i % 3 == 0) BASS_ChannelSetPosition(h, 4000, kPositionBytes);
    if (i % 5 == 0) std::this_thread::sleep_for(milliseconds(i % 7));
    ASSERT_TRUE(BASS_StreamFree(h));
    EXPECT_EQ(BASS_ChannelIsActive(h), kActiveStopped);
    kept_.clear();
  }
}

TEST_F(AudioApi, DamagedFilesGiveNothingOrPlayWhatDecodes) {
  for (const char* file : {"fixtures/empty.mp3", "fixtures/noise.mp3", "fixtures/song.mid", "",
                           "fixtures", "fixtures/missing.wav"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(BASS_StreamCreateFile(false, file, 0, 0, 0), 0u);
  }
  EXPECT_EQ(BASS_StreamCreateFile(false, nullptr, 0, 0, 0), 0u);
  EXPECT_EQ(FromMemory(Bytes(5000, 0x5A)), 0u);
  // Cut short: the header promises a second, the file holds a tenth of it.
  Bytes cut = WavFile({}, Pcm16Frames(44100, 2));
  cut.resize(44 + 4410 * 4 + 3);
  const AudioHandle wav = FromMemory(cut);
  ASSERT_NE(wav, 0u);
  EXPECT_EQ(BASS_ChannelGetLength(wav, kPositionBytes), 4410 * 4);
  // The LAME header of this cut file still says two seconds; the length
  // stated at once is what really decodes, and stays so to the end.
  const AudioHandle mp3 = BASS_StreamCreateFile(false, "fixtures/truncated.mp3", 0, 0, 0);
  ASSERT_NE(mp3, 0u);
  const std::int64_t stated = BASS_ChannelGetLength(mp3, kPositionBytes);
  ASSERT_TRUE(BASS_ChannelPlay(mp3, false));
  ASSERT_TRUE(BASS_ChannelPlay(wav, false));
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(wav) == kActiveStopped; }, milliseconds(2000)));
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(mp3) == kActiveStopped; }, milliseconds(3000)));
  const std::int64_t length = BASS_ChannelGetLength(mp3, kPositionBytes);
  EXPECT_LT(length, 352800 * 6 / 10);
  EXPECT_GT(length, 352800 * 4 / 10);
  EXPECT_NEAR(stated, length, 1152 * 4);
  EXPECT_EQ(BASS_ChannelGetPosition(mp3, kPositionBytes), length);
}

TEST_F(AudioApi, OpensFilesByCyrillicNamesInTheAnsiCodePage) {
  const std::string wav = TempPath("трек-проба.wav");
  ASSERT_TRUE(WriteFileBytes(wav, WavFile({1, 1, 1, 22050, 16}, Pcm16Frames(2205, 1))));
  const std::string mp3 = TempPath("Ровел-проба.mp3");
  ASSERT_TRUE(CopyFileA("fixtures/lame44s.mp3", mp3.c_str(), FALSE));
  const AudioHandle a = BASS_StreamCreateFile(false, wav.c_str(), 0, 0, 0);
  const AudioHandle b = BASS_StreamCreateFile(false, mp3.c_str(), 0, 0, 0);
  EXPECT_EQ(BASS_ChannelGetLength(a, kPositionBytes), 4410);
  EXPECT_EQ(BASS_ChannelGetLength(b, kPositionBytes), 352800);
  const std::string folder = TempPath("папка.mp3");
  CreateDirectoryA(folder.c_str(), nullptr);
  EXPECT_EQ(BASS_StreamCreateFile(false, folder.c_str(), 0, 0, 0), 0u);
  BASS_StreamFree(a);
  BASS_StreamFree(b);
  DeleteFileA(wav.c_str());
  DeleteFileA(mp3.c_str());
  RemoveDirectoryA(folder.c_str());
}

// A MIDI file by a Cyrillic name: its exact length, pause, resume, seeking and
// its end behave as for the other kinds of file.
TEST_F(AudioApi, MidiFilesPlayLikeTheOtherKinds) {
  const std::string path = TempPath("мелодия.mid");
  const MidiBytes song =
      MidiFile(0, 480, {MidiTrack().program(0, 0, 73).noteOn(0, 0, 69).noteOff(480, 0, 69).end()});
  ASSERT_TRUE(WriteFileBytes(path, Bytes(song.begin(), song.end())));
  const AudioHandle h = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
  ASSERT_NE(h, 0u);
  EXPECT_EQ(BASS_ChannelGetLength(h, kPositionBytes), 22050 * 4);
  EXPECT_TRUE(BASS_ChannelSetPosition(h, 11025 * 4 + 2, kPositionBytes));
  EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), 11025 * 4);
  EXPECT_FALSE(BASS_ChannelSetPosition(h, 22050 * 4, kPositionBytes));
  ASSERT_TRUE(BASS_ChannelSetPosition(h, 0, kPositionBytes));
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  ASSERT_TRUE(WaitFor([&] { return PositionSeconds(h) >= 0.1; }, milliseconds(2000)));
  ASSERT_TRUE(BASS_ChannelPause(h));
  EXPECT_EQ(BASS_ChannelIsActive(h), kActivePaused);
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(h) == kActiveStopped; }, milliseconds(3000)));
  EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), 22050 * 4);
  EXPECT_TRUE(BASS_StreamFree(h));
  DeleteFileA(path.c_str());
}

TEST_F(AudioApi, FileWindowsByOffsetAndLength) {
  Bytes padded(100, 0xEE);
  const Bytes wav = WavFile({1, 1, 1, 8000, 16}, Pcm16Frames(800, 1));
  padded.insert(padded.end(), wav.begin(), wav.end());
  padded.resize(padded.size() + 50, 0xEE);
  kept_.push_back(padded);
  const AudioHandle h = BASS_StreamCreateFile(true, kept_.back().data(), 100,
                                              static_cast<std::int64_t>(wav.size()), 0);
  EXPECT_EQ(BASS_ChannelGetLength(h, kPositionBytes), 1600);
  EXPECT_EQ(BASS_StreamCreateFile(true, kept_.back().data(), -1, 10, 0), 0u);
  EXPECT_EQ(BASS_StreamCreateFile(true, kept_.back().data(), 0, 0, 0), 0u);
}

// With nothing to play the mixer sleeps without a time limit until woken, so
// the first block is mixed only if the play request wakes it. (How soon is
// the benchmark's to measure: on a loaded machine it can take a while.)
TEST_F(AudioApi, PlayWakesTheIdleMixer) {
  const AudioHandle h = Tone(44100);
  ASSERT_TRUE(BASS_ChannelPlay(h, false));
  EXPECT_TRUE(WaitFor([] { return AudioTestLastStartDelayMicros() >= 0; }, milliseconds(2000)));
}

TEST(AudioWithoutInit, CreationFailsAndInitRunsOnce) {
  AudioTestShutdown();
  EXPECT_EQ(BASS_StreamCreateFile(false, "fixtures/lame44s.mp3", 0, 0, 0), 0u);
  EXPECT_EQ(BASS_ChannelGetLength(1, kPositionBytes), -1);
  EXPECT_FALSE(BASS_Init(-2, 44100, 0, nullptr, nullptr));
  AudioTestForceSilentOutput(true);
  EXPECT_TRUE(BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr));
  EXPECT_FALSE(BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr));
  EXPECT_NE(BASS_StreamCreateFile(false, "fixtures/lame44s.mp3", 0, 0, 0), 0u);
  AudioTestShutdown();
}

}  // namespace
