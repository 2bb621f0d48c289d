// Gapless playback: a stream queued after another starts on the output frame
// right after the other's last, in the same block, heard through a recorder
// whose clock is the test's, so nothing waits for real time.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <numbers>
#include <vector>

#include "audio/audio.h"
#include "audio/memory_reader.h"
#include "audio/mixer.h"
#include "audio/open_decoder.h"
#include "audio/stream_feed.h"
#include "audio/test_hooks.h"
#include "audio/wav_decoder.h"
#include "tests/unit/audio/fixture_files.h"
#include "tests/unit/audio/midi_bytes.h"
#include "tests/unit/audio/polling.h"
#include "tests/unit/audio/test_outputs.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

using std::chrono::milliseconds;
using Pcm = std::vector<std::int16_t>;  // interleaved stereo frames, as the output gets them

constexpr std::uint32_t kOutputRate = 44100;
constexpr double kFrequency = 1000;
constexpr double kAmplitude = 0.5;
// Where the sine is cut: near a crest, and no whole number of blocks, periods
// or MPEG frames.
constexpr std::uint32_t kCut = 37013;

double Sine(double seconds) {
  return kAmplitude * std::sin(2 * std::numbers::pi * kFrequency * seconds);
}

std::int16_t ToPcm16(double sample) {
  return static_cast<std::int16_t>(std::clamp(std::round(sample * 32767.0), -32768.0, 32767.0));
}

// The sine from `from` seconds on, so the second part of a cut picks up the
// phase where the first stopped.
Bytes SineWav(std::uint32_t rate, std::uint16_t channels, double from, std::uint32_t frames) {
  Bytes data;
  for (std::uint32_t i = 0; i < frames; ++i)
    for (std::uint16_t c = 0; c < channels; ++c)
      Put16(data, static_cast<std::uint16_t>(ToPcm16(Sine(from + static_cast<double>(i) / rate))));
  return WavFile({1, 1, channels, rate, 16}, data);
}

// Every frame of it at `level` on both sides: who is heard is told by the level.
Bytes Level(std::uint32_t frames, std::int16_t level) {
  Bytes data;
  for (std::uint32_t i = 0; i < 2 * frames; ++i) Put16(data, static_cast<std::uint16_t>(level));
  return WavFile({}, data);
}

Bytes Melody() {
  return MidiFile(0, 480,
                  {MidiTrack().program(0, 0, 0).noteOn(0, 0, 69).noteOff(480, 0, 69).end()});
}

// What the library makes of a file on its own: its decoder and a feed of its
// own to the output's rate, turned to 16 bits as the mixer does.
Pcm FedAlone(const Bytes& file) {
  Pcm out;
  auto decoder = OpenDecoder(std::make_unique<MemoryReader>(file.data(), file.size()));
  if (!decoder) return out;
  StreamFeed feed(*decoder, kOutputRate);
  std::vector<float> block(2 * 441);
  while (const std::size_t n = feed.pull(block.data(), 441))
    for (std::size_t i = 0; i < 2 * n; ++i) out.push_back(ToPcm16(block[i]));
  return out;
}

int MaxDifference(const Pcm& a, std::size_t aFrom, const Pcm& b, std::size_t bFrom,
                  std::size_t frames) {
  int most = 0;
  for (std::size_t i = 0; i < 2 * frames; ++i)
    most = std::max(most, std::abs(a[2 * aFrom + i] - b[2 * bFrom + i]));
  return most;
}

// The largest step from one frame to the next over [from, to), on either side.
int LargestStep(const Pcm& pcm, std::size_t from, std::size_t to) {
  int most = 0;
  for (std::size_t f = from; f < to; ++f)
    for (std::size_t c = 0; c < 2; ++c)
      most = std::max(most, std::abs(pcm[2 * f + c] - pcm[2 * (f - 1) + c]));
  return most;
}

double Dbfs(int difference) { return 20 * std::log10(std::max(difference, 1) / 32768.0); }

class Gapless : public ::testing::Test {
 protected:
  void SetUp() override { Restart(); }
  void TearDown() override {
    AudioTestShutdown();
    AudioTestUseDeviceOpener(nullptr);
  }

  // A new engine on a new recorder: its first output frame is the first frame
  // of the first stream played.
  void Restart() {
    AudioTestShutdown();
    recorder_ = std::make_unique<Recorder>();
    AudioTestForceSilentOutput(false);
    AudioTestUseDeviceOpener(recorder_->opener());
    ASSERT_TRUE(BASS_Init(kDefaultDevice, kOutputRate, 0, nullptr, nullptr));
  }

  // The bytes stay alive in the fixture for as long as the stream reads them.
  AudioHandle FromMemory(const Bytes& bytes) {
    kept_.push_back(bytes);
    const Bytes& b = kept_.back();
    return BASS_StreamCreateFile(true, b.data(), 0, static_cast<std::int64_t>(b.size()), 0);
  }

  bool PlayedThrough(AudioHandle h) {
    const std::int64_t length = BASS_ChannelGetLength(h, kPositionBytes);
    return BASS_ChannelIsActive(h) == kActiveStopped && length > 0 &&
           BASS_ChannelGetPosition(h, kPositionBytes) == length;
  }

  // Frames heard at `level` on both sides.
  std::size_t FramesAt(std::int16_t level) {
    const Pcm heard = recorder_->frames();
    std::size_t count = 0;
    for (std::size_t f = 0; f < heard.size() / 2; ++f)
      count += heard[2 * f] == level && heard[2 * f + 1] == level;
    return count;
  }

  // Blocks stop being mixed once the recorder holds all it may.
  bool Filled(std::int64_t frames) {
    return WaitFor([&] { return recorder_->written.load() >= frames; }, milliseconds(5000));
  }

  std::unique_ptr<Recorder> recorder_;
  std::vector<Bytes> kept_;
};

constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kBlock = 441;
constexpr std::int64_t kQueued = 4 * kBlock;  // what the recorder takes ahead of what it plays

// What the output around a join is held to, beyond being each part as it
// plays alone: the sine itself, when one sine at the output's rate runs
// through the join; the sine within the converter's own error and no step at
// the join beyond the sine's own steps, when one part is at another rate.
enum class Through { Sine, ResampledSine, Other };

// The output around the join is the first part as it plays alone followed at
// once by the second part as it plays alone.
TEST_F(Gapless, JoinsAreSampleExact) {
  const double cutAt = static_cast<double>(kCut) / kOutputRate;
  const struct {
    const char* name;
    Bytes first;
    Bytes second;
    Through through;
  } cases[] = {
      {"WAV/WAV", SineWav(44100, 2, 0, kCut), SineWav(44100, 2, cutAt, 51187), Through::Sine},
      {"WAV stereo/WAV mono", SineWav(44100, 2, 0, kCut), SineWav(44100, 1, cutAt, 20000),
       Through::Sine},
      {"WAV 44.1 kHz/WAV 48 kHz", SineWav(44100, 2, 0, kCut), SineWav(48000, 2, cutAt, 30000),
       Through::ResampledSine},
      // 40,320 frames at 48 kHz make 37,044 whole frames at 44.1 kHz.
      {"WAV 48 kHz/WAV 44.1 kHz", SineWav(48000, 2, 0, 40320), SineWav(44100, 2, 0.84, 20000),
       Through::ResampledSine},
      {"WAV 44.1 kHz/MP3 48 kHz", SineWav(44100, 2, 0, kCut), ReadFixture("sine48.mp3"),
       Through::Other},
      // Each half carries the encoder's own error at its edges.
      {"MP3/MP3 halves", ReadFixture("half1.mp3"), ReadFixture("half2.mp3"), Through::Other},
      {"MP3/MIDI", ReadFixture("half1.mp3"), Melody(), Through::Other},
      // TiMidity stops at the end of the track, its note still sounding.
      {"MIDI/WAV", Melody(), SineWav(44100, 2, 0, 20000), Through::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    const AudioHandle first = FromMemory(c.first);
    const AudioHandle second = FromMemory(c.second);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    ASSERT_TRUE(AudioQueueNext(first, second));
    ASSERT_TRUE(BASS_ChannelPlay(first, false));
    ASSERT_TRUE(WaitFor([&] { return PlayedThrough(second); }, milliseconds(10000)));
    EXPECT_TRUE(PlayedThrough(first));

    const Pcm heard = recorder_->frames();
    const Pcm alone1 = FedAlone(c.first), alone2 = FedAlone(c.second);
    const std::size_t join = alone1.size() / 2, rest = alone2.size() / 2;
    ASSERT_GE(heard.size() / 2, join + rest);
    // Samples of silence at the join: how much later than the frame right
    // after the first part's last the second part is found.
    std::size_t gap = 0;
    int best = 1 << 30;
    for (std::size_t lag = 0; lag < 2048 && join + lag + 2048 <= heard.size() / 2; ++lag) {
      const int difference = MaxDifference(heard, join + lag, alone2, 0, 2048);
      if (difference < best) best = difference, gap = lag;
    }
    constexpr std::size_t kAround = 2000, kFirstFrames = 32;
    const int deviation =
        std::max(MaxDifference(heard, join - kAround, alone1, join - kAround, kAround),
                 MaxDifference(heard, join, alone2, 0, kAround));
    // The hand-over and the second part's first frames, beside the steps of
    // each part away from the join.
    const int joinStep = LargestStep(heard, join, join + kFirstFrames);
    const int ownStep = std::max(LargestStep(heard, join - kAround, join),
                                 LargestStep(heard, join + kFirstFrames, join + kAround));
    Pcm sine;
    for (std::size_t f = join - kAround; f < join + kAround; ++f)
      sine.insert(sine.end(), 2, ToPcm16(Sine(static_cast<double>(f) / kOutputRate)));
    const int fromSine = MaxDifference(heard, join - kAround, sine, 0, 2 * kAround);
    std::printf("%-24s silence at the join: %zu frames; off each part alone by %d (%.1f dBFS)",
                c.name, gap, deviation, Dbfs(deviation));
    if (c.through != Through::Other)
      std::printf("; off the sine by %d (%.1f dBFS); largest step at the join %d, away from it %d",
                  fromSine, Dbfs(fromSine), joinStep, ownStep);
    std::printf("\n");
    EXPECT_EQ(gap, 0u);
    EXPECT_LE(deviation, 1);
    if (c.through != Through::Other) {
      EXPECT_LE(joinStep, ownStep);
    }
    // Through the converter, the sine is off by its own error: its gain is
    // 0.3 % low, and its phase a fraction of a frame late.
    if (c.through == Through::Sine) {
      EXPECT_LT(Dbfs(fromSine), -60.0);
    }
    if (c.through == Through::ResampledSine) {
      EXPECT_LT(Dbfs(fromSine), -40.0);
    }
  }
}

// The hand-over as the players see it: the follower reports playing from the
// block it is mixed in, counting from 0 until its frames are heard, while
// the stream before it plays on until its last frame is heard; each change
// is posted to the program's window; the follower is heard at its own
// volume from its first frame, with no fade.
TEST_F(Gapless, HandOverActivityPositionsAndNotices) {
  constexpr UINT kEnded = WM_APP + 17;
  HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  int notices = 0;
  const auto noticed = [&](int count) {
    return WaitFor(
               [&] {
                 MSG message;
                 while (PeekMessageA(&message, window, kEnded, kEnded, PM_REMOVE)) ++notices;
                 return notices >= count;
               },
               milliseconds(5000)) &&
           notices == count;
  };
  AudioNotifyEnds(window, kEnded);
  recorder_->heardLimit = 0;
  // Created first, the follower comes before the first stream in the mixer's
  // round of the streams: it is met, still stopped, in the block it starts in.
  const AudioHandle second = FromMemory(Level(3000, 10000));
  const AudioHandle first = FromMemory(Level(4000, 10000));
  const AudioHandle third = FromMemory(Level(100, 10000));
  ASSERT_TRUE(BASS_ChannelSetAttribute(second, kVolumeAttribute, 0.5f));
  ASSERT_TRUE(AudioQueueNext(first, second));
  EXPECT_EQ(BASS_ChannelIsActive(second), kActiveStopped);
  ASSERT_TRUE(BASS_ChannelPlay(first, false));
  ASSERT_TRUE(Filled(kQueued));
  EXPECT_EQ(BASS_ChannelIsActive(first), kActivePlaying);
  EXPECT_EQ(BASS_ChannelIsActive(second), kActiveStopped);

  // Mixed, not yet heard: both play, the follower still at its start.
  recorder_->heardLimit = 4000 - kBlock;
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(second) == kActivePlaying; }, milliseconds(5000)));
  EXPECT_EQ(BASS_ChannelIsActive(first), kActivePlaying);
  EXPECT_LT(BASS_ChannelGetPosition(first, kPositionBytes), 4000 * 4);
  EXPECT_EQ(BASS_ChannelGetPosition(second, kPositionBytes), 0);
  EXPECT_TRUE(noticed(1));
  EXPECT_FALSE(AudioQueueNext(first, third)) << "it has handed over already";
  const Pcm heard = recorder_->frames();
  ASSERT_GT(heard.size(), 2u * 4001);
  EXPECT_EQ(heard[2 * 3999], 10000);
  EXPECT_EQ(heard[2 * 4000], 5000);
  EXPECT_EQ(heard[2 * 4000 + 1], 5000);

  // The last frame heard: the first stream ends at its length.
  recorder_->heardLimit = 4000;
  ASSERT_TRUE(
      WaitFor([&] { return BASS_ChannelIsActive(first) == kActiveStopped; }, milliseconds(5000)));
  EXPECT_EQ(BASS_ChannelGetPosition(first, kPositionBytes), 4000 * 4);
  EXPECT_EQ(BASS_ChannelIsActive(second), kActivePlaying);
  EXPECT_EQ(BASS_ChannelGetPosition(second, kPositionBytes), 0);
  EXPECT_TRUE(noticed(2));

  recorder_->heardLimit = kUnlimited;
  ASSERT_TRUE(WaitFor([&] { return PlayedThrough(second); }, milliseconds(5000)));
  EXPECT_TRUE(noticed(3));
  AudioNotifyEnds(nullptr, 0);
  DestroyWindow(window);
}

// What the program does to either stream between the queueing and the end
// of the first: the second still follows, or another does, or none; who is
// heard after the first is told by the level (the first at 1000).
TEST_F(Gapless, OperationsOnEitherHandle) {
  struct Streams {
    AudioHandle first, second, third;
  };
  enum Follower { kNone, kSecond, kThird };
  const struct {
    const char* name;
    std::function<void(Streams&)> act;
    Follower follows;
  } cases[] = {
      {"queued", [](Streams&) {}, kSecond},
      {"dropped", [](Streams& s) { ASSERT_TRUE(AudioQueueNext(s.first, 0)); }, kNone},
      {"replaced", [](Streams& s) { ASSERT_TRUE(AudioQueueNext(s.first, s.third)); }, kThird},
      {"first freed", [](Streams& s) { ASSERT_TRUE(BASS_StreamFree(s.first)); }, kNone},
      {"second freed", [](Streams& s) { ASSERT_TRUE(BASS_StreamFree(s.second)); }, kNone},
      {"first sought",
       [](Streams& s) { ASSERT_TRUE(BASS_ChannelSetPosition(s.first, 1000 * 4, kPositionBytes)); },
       kSecond},
      // Paused on its last frames, the first runs out while it fades; the
      // second waits for it to be played again.
      {"first paused at its end, then played",
       [this](Streams& s) {
         ASSERT_TRUE(BASS_ChannelPause(s.first));
         recorder_->heardLimit = kBlock;  // room for the block it fades in
         ASSERT_TRUE(Filled(kQueued + kBlock));
         EXPECT_EQ(BASS_ChannelIsActive(s.first), kActivePaused);
         EXPECT_EQ(BASS_ChannelIsActive(s.second), kActiveStopped);
         ASSERT_TRUE(BASS_ChannelPlay(s.first, false));
       },
       kSecond},
      // Queued once the first has run out, before its end is heard: the
      // second still plays, from the next block on.
      {"queued late",
       [this](Streams& s) {
         ASSERT_TRUE(AudioQueueNext(s.first, 0));
         recorder_->heardLimit = kBlock;
         ASSERT_TRUE(Filled(kQueued + kBlock));
         ASSERT_TRUE(AudioQueueNext(s.first, s.second));
       },
       kSecond},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    recorder_->heardLimit = 0;
    // Longer than the recorder takes ahead, by less than a pause's fade.
    Streams s{FromMemory(Level(kQueued + 200, 1000)), FromMemory(Level(3000, 2000)),
              FromMemory(Level(2000, 3000))};
    ASSERT_TRUE(AudioQueueNext(s.first, s.second));
    ASSERT_TRUE(BASS_ChannelPlay(s.first, false));
    ASSERT_TRUE(Filled(kQueued));
    c.act(s);
    recorder_->heardLimit = kUnlimited;
    ASSERT_TRUE(WaitFor(
        [&] {
          return BASS_ChannelIsActive(s.first) == kActiveStopped &&
                 BASS_ChannelIsActive(s.second) == kActiveStopped &&
                 BASS_ChannelIsActive(s.third) == kActiveStopped;
        },
        milliseconds(5000)));
    EXPECT_EQ(FramesAt(2000), c.follows == kSecond ? 3000u : 0u);
    EXPECT_EQ(FramesAt(3000), c.follows == kThird ? 2000u : 0u);
    for (AudioHandle h : {s.second, s.third}) {
      const bool followed = h == (c.follows == kSecond ? s.second : s.third) && c.follows != kNone;
      const std::int64_t length = BASS_ChannelGetLength(h, kPositionBytes);
      if (length > 0) {
        EXPECT_EQ(BASS_ChannelGetPosition(h, kPositionBytes), followed ? length : 0) << h;
      }
    }
  }
}

TEST_F(Gapless, RefusesWhatCannotFollow) {
  const AudioHandle first = FromMemory(Level(1000, 1000));
  const AudioHandle second = FromMemory(Level(1000, 1000));
  const AudioHandle played = FromMemory(Level(1000, 1000));
  const AudioHandle ended = FromMemory(Level(100, 1000));
  const AudioHandle freed = FromMemory(Level(100, 1000));
  ASSERT_TRUE(BASS_StreamFree(freed));
  ASSERT_TRUE(BASS_ChannelPlay(ended, false));
  ASSERT_TRUE(WaitFor([&] { return PlayedThrough(ended); }, milliseconds(5000)));
  recorder_->heardLimit = 0;
  ASSERT_TRUE(BASS_ChannelPlay(played, false));
  const struct {
    AudioHandle current;
    AudioHandle next;
    bool accepted;
  } cases[] = {
      {first, 0xDEAD, false}, {0, second, false},    {freed, second, false},
      {first, freed, false},  {first, first, false}, {first, played, false},
      {ended, second, false}, {first, second, true}, {first, 0, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AudioQueueNext(c.current, c.next), c.accepted) << c.current << " " << c.next;
}

// A follower that fails to decode from its first frame is given up as a
// failing stream always is (activity 0, at once if its decoder throws), and
// what was before it plays to its end as if nothing followed.
class FailingDecoder final : public Decoder {
 public:
  explicit FailingDecoder(bool throws) : throws_(throws) {}
  AudioFormat format() const override { return {44100, 2}; }
  std::int64_t lengthFrames() const override { return 44100; }
  std::size_t read(float*, std::size_t) override {
    if (throws_) throw std::bad_alloc();
    return 0;
  }
  bool seek(std::int64_t) override { return true; }

 private:
  bool throws_;
};

TEST(GaplessMixer, AFollowerThatFailsAtOnceIsGivenUp) {
  static const Bytes first = Level(1000, 1000);
  for (bool throws : {false, true}) {
    SCOPED_TRACE(throws ? "throws" : "decodes nothing");
    Recorder recorder;
    recorder.heardLimit = 0;
    StreamTable table;
    auto current = std::make_shared<Stream>(
        WavDecoder::Open(std::make_unique<MemoryReader>(first.data(), first.size())), 44100);
    auto follower = std::make_shared<Stream>(std::make_unique<FailingDecoder>(throws), 44100);
    table.add(current);
    table.add(follower);
    Mixer mixer(std::make_unique<Recorder::Device>(44100, recorder), table);
    ASSERT_TRUE(current->queueNext(follower));
    ASSERT_TRUE(current->play(false));
    ASSERT_TRUE(mixer.start());
    mixer.wake();
    // The block the first stream ran out in, mixed and not heard.
    ASSERT_TRUE(WaitFor([&] { return recorder.written.load() >= 1000; }, milliseconds(5000)));
    EXPECT_EQ(current->activity(), kActivePlaying);
    EXPECT_EQ(follower->activity(), throws ? kActiveStopped : kActivePlaying);
    recorder.heardLimit = kUnlimited;
    ASSERT_TRUE(WaitFor([&] { return current->activity() == 0 && follower->activity() == 0; },
                        milliseconds(5000)));
    EXPECT_EQ(current->positionFrames(), 1000);
    EXPECT_EQ(follower->positionFrames(), 0);
    const Pcm heard = recorder.frames();
    EXPECT_EQ(heard[2 * 999], 1000);
    EXPECT_TRUE(
        std::all_of(heard.begin() + 2 * 1000, heard.end(), [](std::int16_t s) { return s == 0; }));
  }
}

}  // namespace
