// The MIDI decoder over files the test writes: exact lengths, the pitch of a
// known note, seeking, independence from the file opened before, and damaged
// or cut files. The instruments are the freepats set laid beside the test.
#include "audio/midi_decoder.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "audio/memory_reader.h"
#include "tests/unit/audio/midi_bytes.h"

namespace {

constexpr double kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr int kFlute = 73;
constexpr int kWhistle = 78;  // absent from freepats: played by its nearest pipe
constexpr int kDrums = 9;     // channel 10
constexpr int kA4 = 69, kC5 = 72, kE5 = 76;
constexpr double kHzA4 = 440.0, kHzC5 = 523.25, kHzE5 = 659.26;
constexpr std::size_t kNoLimit = std::size_t{1} << 30;  // frames: hours of sound

// The decoder reads the bytes in place, so they live as long as the test program.
std::unique_ptr<Decoder> Open(const MidiBytes& file) {
  static std::vector<std::unique_ptr<MidiBytes>> kept;
  kept.push_back(std::make_unique<MidiBytes>(file));
  return OpenMidiDecoder(std::make_unique<MemoryReader>(kept.back()->data(), kept.back()->size()));
}

// Interleaved stereo, read in pieces that do not line up with the synthesizer's blocks.
std::vector<float> Render(Decoder& decoder, std::size_t maxFrames = kNoLimit) {
  std::vector<float> out;
  std::vector<float> piece(2 * 1000);
  while (out.size() / 2 < maxFrames) {
    const std::size_t got = decoder.read(piece.data(), 1000);
    if (got == 0) break;
    out.insert(out.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(2 * got));
  }
  return out;
}

// Power of the left channel at hz over frames [start, start + count) (Goertzel).
double Power(const std::vector<float>& s, std::size_t start, std::size_t count, double hz) {
  const double k = 2 * std::cos(2 * kPi * hz / kRate);
  double a = 0, b = 0;
  for (std::size_t i = start; i < start + count && 2 * i < s.size(); ++i) {
    const double c = s[2 * i] + k * a - b;
    b = a;
    a = c;
  }
  return a * a + b * b - k * a * b;
}

// The strongest frequency within half an octave of expected, to 0.1 %.
double StrongestNear(const std::vector<float>& s, std::size_t start, std::size_t count,
                     double expected) {
  double best = 0, bestPower = -1;
  for (double hz = expected / std::sqrt(2.0); hz < expected * std::sqrt(2.0); hz *= 1.001) {
    const double p = Power(s, start, count, hz);
    if (p > bestPower) bestPower = p, best = hz;
  }
  return best;
}

double Rms(const std::vector<float>& s, std::size_t start, std::size_t count) {
  double sum = 0;
  std::size_t n = 0;
  for (std::size_t i = 2 * start; i < 2 * (start + count) && i < s.size(); ++i, ++n)
    sum += s[i] * s[i];
  return n ? std::sqrt(sum / n) : 0;
}

struct Heard {
  double atSeconds;
  double hz;  // 0: unpitched, only heard
};

struct SongCase {
  const char* name;
  MidiBytes file;
  std::int64_t frames;
  std::vector<Heard> heard;
};

// A one-second A4 on the flute, the base of most cases.
MidiTrack FluteSecond(int division = 480) {
  return MidiTrack().program(0, 0, kFlute).noteOn(0, 0, kA4).noteOff(2 * division, 0, kA4);
}

// A one-second note on the flute, bent from its start: range in semitones
// (RPN 0), wheel from 0 (fully down) through 0x2000 (centre) to 0x3FFF.
MidiTrack BentFluteSecond(int range, int wheel, int note, int channel = 0) {
  return MidiTrack()
      .program(0, channel, kFlute)
      .raw(0, {0xB0 | channel, 101, 0})
      .raw(0, {0xB0 | channel, 100, 0})
      .raw(0, {0xB0 | channel, 6, range})
      .raw(0, {0xE0 | channel, wheel & 0x7F, wheel >> 7})
      .noteOn(0, channel, note)
      .noteOff(960, channel, note);
}

std::vector<SongCase> Songs() {
  return {
      {"format 0", MidiFile(0, 480, {FluteSecond().end()}), 44100, {{0.5, kHzA4}}},
      {"format 1, tempo map in its own track",
       MidiFile(1, 480,
                {MidiTrack().tempo(0, 250000).end(),
                 MidiTrack().program(0, 0, kFlute).noteOn(0, 0, kE5).noteOff(1920, 0, kE5).end()}),
       44100,
       {{0.5, kHzE5}}},
      {"tempo change halfway",
       MidiFile(0, 480,
                {MidiTrack()
                     .tempo(0, 500000)
                     .program(0, 0, kFlute)
                     .noteOn(0, 0, kA4)
                     .tempo(480, 1000000)
                     .noteOff(480, 0, kA4)
                     .end()}),
       66150,
       {{1.0, kHzA4}}},
      {"running status in a track, velocity 0 ends a note",
       MidiFile(0, 480,
                {MidiTrack()
                     .program(0, 0, kFlute)
                     .raw(0, {0x90, kA4, 100})
                     .raw(480, {kA4, 0})
                     .raw(0, {kC5, 100})
                     .raw(480, {kC5, 0})
                     .end()}),
       44100,
       {{0.2, kHzA4}, {0.7, kHzC5}}},
      {"running status in two tracks",
       MidiFile(
           1, 480,
           {MidiTrack().program(0, 0, kFlute).raw(0, {0x90, kA4, 90}).raw(960, {kA4, 0}).end(),
            MidiTrack().program(0, 1, kFlute).raw(0, {0x91, kE5, 90}).raw(960, {kE5, 0}).end()}),
       44100,
       {{0.5, kHzA4}, {0.5, kHzE5}}},
      {"program freepats lacks",
       MidiFile(0, 480,
                {MidiTrack().program(0, 0, kWhistle).noteOn(0, 0, kA4).noteOff(960, 0, kA4).end()}),
       44100,
       {{0.5, kHzA4}}},
      {"percussion on channel 10",
       MidiFile(0, 480, {MidiTrack().noteOn(0, kDrums, 38).noteOff(480, kDrums, 38).end()}),
       22050,
       {{0.02, 0}}},
      {"bend range of 24 semitones, bent fully up",
       MidiFile(0, 480, {BentFluteSecond(24, 0x3FFF, kA4).end()}),
       44100,
       {{0.5, 4 * kHzA4}}},
      {"SMPTE 25 fps, tempo events ignored",
       MidiFile(0, SmpteDivision(25, 36),
                {MidiTrack()
                     .tempo(0, 250000)
                     .program(0, 0, kFlute)
                     .noteOn(0, 0, kA4)
                     .noteOff(1800, 0, kA4)
                     .end()}),
       88200,
       {{1.0, kHzA4}}},
  };
}

TEST(MidiDecoder, RendersExactlyItsLengthAtThePitchOfItsNotes) {
  for (const SongCase& c : Songs()) {
    SCOPED_TRACE(c.name);
    auto decoder = Open(c.file);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->format().rate, 44100u);
    EXPECT_EQ(decoder->format().channels, 2u);
    EXPECT_EQ(decoder->lengthFrames(), c.frames);
    const std::vector<float> all = Render(*decoder);
    EXPECT_EQ(static_cast<std::int64_t>(all.size() / 2), c.frames);
    // The song's last, partial block is its own sound, not the block before it over again.
    const std::size_t tail = 2 * static_cast<std::size_t>(c.frames % kMidiBlockFrames);
    const std::size_t block = 2 * kMidiBlockFrames;
    ASSERT_GT(all.size(), tail + block);
    ASSERT_GT(tail, 0u);
    EXPECT_FALSE(std::equal(all.end() - static_cast<std::ptrdiff_t>(tail), all.end(),
                            all.end() - static_cast<std::ptrdiff_t>(tail + block)));
    for (const Heard& h : c.heard) {
      const std::size_t at = static_cast<std::size_t>(h.atSeconds * kRate);
      EXPECT_GT(Rms(all, at, 4096), 0.01) << "at " << h.atSeconds << " s";
      if (h.hz > 0) {
        EXPECT_NEAR(StrongestNear(all, at, 8192, h.hz), h.hz, h.hz * 0.01);
      }
    }
  }
}

TEST(MidiDecoder, SeekLandsOnTheFrameAndRepeats) {
  for (const SongCase& c : Songs()) {
    SCOPED_TRACE(c.name);
    auto decoder = Open(c.file);
    ASSERT_NE(decoder, nullptr);
    const std::int64_t middle = c.frames / 2 + 17;
    ASSERT_TRUE(decoder->seek(middle));
    EXPECT_EQ(static_cast<std::int64_t>(Render(*decoder).size() / 2), c.frames - middle);
    ASSERT_TRUE(decoder->seek(middle));
    const std::vector<float> first = Render(*decoder, 5000);
    ASSERT_TRUE(decoder->seek(0));
    Render(*decoder, 3000);
    ASSERT_TRUE(decoder->seek(middle));
    EXPECT_EQ(Render(*decoder, 5000), first);
    EXPECT_TRUE(decoder->seek(c.frames));
    EXPECT_EQ(Render(*decoder).size(), 0u);
    EXPECT_FALSE(decoder->seek(c.frames + 1));
  }
}

// A track that starts with data bytes and no status byte takes the running
// status of nothing, whatever file was read before it.
TEST(MidiDecoder, SameFileRendersTheSameAfterAnother) {
  // Running statuses of two and of one data byte.
  const MidiBytes endsWithNoteOff = MidiFile(0, 480, {FluteSecond().raw(0, {kA4, 0}).end()});
  const MidiBytes endsWithProgram = MidiFile(0, 480, {FluteSecond().program(0, 0, kFlute).end()});
  const MidiBytes strayStart = MidiFile(0, 480,
                                        {MidiTrack()
                                             .raw(0, {38})
                                             .program(0, 0, kFlute)
                                             .noteOn(0, 0, kA4)
                                             .noteOff(480, 0, kA4)
                                             .end()});
  ASSERT_NE(Open(endsWithNoteOff), nullptr);
  auto first = Open(strayStart);
  ASSERT_NE(first, nullptr);
  const std::vector<float> a = Render(*first);
  ASSERT_NE(Open(endsWithProgram), nullptr);
  auto second = Open(strayStart);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Render(*second), a);
}

struct DamagedCase {
  const char* name;
  MidiBytes file;
  std::int64_t frames;  // 0: refused
};

MidiBytes Header(int format, int tracks, int division) {
  MidiBytes b{'M', 'T', 'h', 'd'};
  PutBigEndian(b, 6, 4);
  PutBigEndian(b, static_cast<std::uint32_t>(format), 2);
  PutBigEndian(b, static_cast<std::uint32_t>(tracks), 2);
  PutBigEndian(b, static_cast<std::uint32_t>(division), 2);
  return b;
}

// A file of one track chunk whose length says `declared` bytes of `track`, followed by trailing
// bytes.
MidiBytes OneChunk(const MidiTrack& track, std::size_t declared, const MidiBytes& before = {}) {
  MidiBytes b = Header(0, 1, 480);
  b.insert(b.end(), before.begin(), before.end());
  b.insert(b.end(), {'M', 'T', 'r', 'k'});
  PutBigEndian(b, static_cast<std::uint32_t>(declared), 4);
  b.insert(b.end(), track.bytes().begin(), track.bytes().end());
  return b;
}

std::vector<DamagedCase> DamagedFiles() {
  const MidiTrack note = FluteSecond();
  MidiTrack noteAndMore = FluteSecond();
  noteAndMore.noteOn(960, 0, kC5).noteOff(960, 0, kC5).end();
  MidiBytes unknownChunk{'X', 'T', 'r', 'a'};
  PutBigEndian(unknownChunk, 3, 4);
  unknownChunk.insert(unknownChunk.end(), {1, 2, 3});
  return {
      {"header only", Header(0, 1, 480), 0},
      {"division 0", MidiFile(0, 0, {FluteSecond().end()}), 0},
      {"format 3", MidiFile(3, 480, {FluteSecond().end()}), 0},
      {"no tracks", Header(1, 0, 480), 0},
      {"no notes", MidiFile(0, 480, {MidiTrack().program(0, 0, kFlute).tempo(960, 400000).end()}),
       0},
      {"no End of Track", MidiFile(0, 480, {FluteSecond()}), 44100},
      {"chunk cut short by the file", OneChunk(note, 1000), 44100},
      {"events past the chunk's length", OneChunk(noteAndMore, note.bytes().size()), 44100},
      {"unknown chunk before the track",
       OneChunk(MidiTrack(note).end(), note.bytes().size() + 4, unknownChunk), 44100},
      {"second track missing",
       [] {
         MidiBytes b = MidiFile(1, 480, {FluteSecond().end()});
         b[11] = 2;  // the header promises two tracks
         return b;
       }(),
       44100},
      {"delta time of six bytes",
       MidiFile(0, 480,
                {FluteSecond().append({0x8F, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0x90, kC5, 100}).end()}),
       44100},
      {"bend range of 127 semitones, the lowest note bent down, the highest up",
       MidiFile(1, 480,
                {BentFluteSecond(127, 0, 0).end(), BentFluteSecond(127, 0x3FFF, 127, 1).end()}),
       44100},
      {"slowest tempo at one tick per quarter",
       MidiFile(0, 1,
                {MidiTrack()
                     .tempo(0, 0xFFFFFF)
                     .program(0, 0, kFlute)
                     .noteOn(0, 0, kA4)
                     .noteOff(2, 0, kA4)
                     .end()}),
       65535},
  };
}

TEST(MidiDecoder, DamagedFilesAreRefusedOrPlayWhatTheyHold) {
  for (const DamagedCase& c : DamagedFiles()) {
    SCOPED_TRACE(c.name);
    auto decoder = Open(c.file);
    if (c.frames == 0) {
      EXPECT_EQ(decoder, nullptr);
      continue;
    }
    EXPECT_NE(decoder, nullptr);  // each case reports, not only the first that fails
    if (!decoder) continue;
    EXPECT_EQ(decoder->lengthFrames(), c.frames);
    EXPECT_EQ(static_cast<std::int64_t>(Render(*decoder).size() / 2), c.frames);
  }
}

struct RenderJob {
  MidiBytes file;
  std::size_t maxFrames;
  bool exact = true;
};

DWORD WINAPI RunRenderJob(void* parameter) {
  auto* job = static_cast<RenderJob*>(parameter);
  auto decoder = Open(job->file);
  if (decoder) {
    const std::int64_t rendered =
        static_cast<std::int64_t>(Render(*decoder, job->maxFrames).size() / 2);
    job->exact =
        rendered == std::min(decoder->lengthFrames(), static_cast<std::int64_t>(job->maxFrames));
  }
  return 0;
}

// Opens and renders file on a thread of its own, at most maxFrames of it; false
// when that has not finished by the deadline (a hang: the thread and its job are
// left behind) or rendered other than the decoder's length.
bool OpensAndRendersInTime(const MidiBytes& file, std::size_t maxFrames) {
  auto* job = new RenderJob{file, maxFrames};
  HANDLE thread = CreateThread(nullptr, 0, RunRenderJob, job, 0, nullptr);
  if (!thread) return false;
  const bool finished = WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0;
  CloseHandle(thread);
  if (!finished) return false;
  const bool exact = job->exact;
  delete job;
  return exact;
}

MidiBytes FuzzBase() {
  return MidiFile(1, 480,
                  {MidiTrack().tempo(0, 400000).raw(0, {0xFF, 0x03, 3, 'a', 'b', 'c'}).end(),
                   MidiTrack()
                       .program(0, 0, kFlute)
                       .raw(0, {0x90, kA4, 90})
                       .raw(240, {kC5, 80})
                       .raw(0, {0xB0, 7, 100})
                       .raw(240, {0xE0, 0, 0x50})
                       .raw(0, {0x80, kA4, 0})
                       .raw(0, {0xF0, 2, 0x7E, 0xF7})
                       .noteOff(240, 0, kC5)
                       .noteOn(0, kDrums, 36)
                       .noteOff(120, kDrums, 36)
                       .end()});
}

TEST(MidiDecoder, EveryTruncationOpensOrFailsInTime) {
  const MidiBytes base = FuzzBase();
  for (std::size_t size = 0; size <= base.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(OpensAndRendersInTime(
        MidiBytes(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(size)), kNoLimit));
  }
}

TEST(MidiDecoder, RandomMutationsOpenOrFailInTime) {
  const MidiBytes base = FuzzBase();
  std::mt19937 random(20240607);
  for (int i = 0; i < 300; ++i) {
    MidiBytes file = base;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c)
      file[random() % file.size()] = static_cast<unsigned char>(random());
    SCOPED_TRACE(i);
    // A mutated delta time can make hours of music; ten seconds of it are enough.
    EXPECT_TRUE(OpensAndRendersInTime(file, 441000));
  }
}

}  // namespace
