// Figures of the MIDI synthesizer, printed, not judged:
//   midi_bench [DEMO_MIDI]
// Render speed of a sparse and a dense generated minute beside the WAV
// decoder's on a minute of PCM, the time to open a song, memory per open
// MIDI stream, and the loudness of the dense piece (peak, RMS and the share
// of clipped samples); with DEMO_MIDI, the loudness of that file too.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "audio/ansi_file.h"
#include "audio/memory_reader.h"
#include "audio/midi_decoder.h"
#include "audio/wav_decoder.h"
#include "tests/unit/audio/midi_bytes.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTicks = 480;  // per quarter note, 120 beats a minute

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One flute line of quarter notes for a minute.
MidiBytes SparseMinute() {
  MidiTrack flute;
  flute.program(0, 0, 73);
  for (int beat = 0; beat < 120; ++beat)
    flute.noteOn(0, 0, 60 + beat % 12).noteOff(kTicks, 0, 60 + beat % 12);
  return MidiFile(0, kTicks, {flute.end()});
}

// Nine instruments in chords and runs over a rock beat for a minute: 40 to 70 voices.
MidiBytes DenseMinute() {
  const int programs[9] = {0, 24, 32, 48, 56, 61, 65, 73, 16};
  std::vector<MidiTrack> tracks;
  for (int channel = 0; channel < 9; ++channel) {
    MidiTrack part;
    part.program(0, channel, programs[channel]);
    const int base = 36 + 5 * channel;
    for (int eighth = 0; eighth < 240; ++eighth) {
      const int notes[3] = {base + eighth % 7, base + 4 + eighth % 5, base + 7 + eighth % 3};
      for (int n : notes) part.noteOn(0, channel, n, 90);
      part.noteOff(kTicks / 2, channel, notes[0]);
      part.noteOff(0, channel, notes[1]).noteOff(0, channel, notes[2]);
    }
    tracks.push_back(part.end());
  }
  MidiTrack drums;
  for (int eighth = 0; eighth < 240; ++eighth) {
    drums.noteOn(0, 9, 42, 70).noteOn(0, 9, eighth % 4 == 2 ? 38 : 36, 110);
    drums.noteOff(kTicks / 2, 9, 42).noteOff(0, 9, eighth % 4 == 2 ? 38 : 36);
  }
  tracks.push_back(drums.end());
  return MidiFile(1, kTicks, tracks);
}

std::unique_ptr<Decoder> OpenBytes(const MidiBytes& bytes) {
  return OpenMidiDecoder(std::make_unique<MemoryReader>(bytes.data(), bytes.size()));
}

std::vector<float> RenderAll(Decoder& decoder) {
  std::vector<float> all, piece(2 * 4096);
  while (std::size_t got = decoder.read(piece.data(), 4096))
    all.insert(all.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(2 * got));
  return all;
}

// Best of three renders, the least disturbed on a shared machine.
double RenderTimes(const char* what, std::unique_ptr<Decoder> (*open)(const void*),
                   const void* source) {
  double best = 1e9, audio = 0;
  for (int run = 0; run < 3; ++run) {
    auto decoder = open(source);
    if (!decoder) return 0;
    const auto start = Clock::now();
    audio = static_cast<double>(RenderAll(*decoder).size() / decoder->format().channels) /
            decoder->format().rate;
    best = std::min(best, SecondsSince(start));
  }
  std::printf("%s: %.0f x real time (%.1f s of audio in %.3f s)\n", what, audio / best, audio,
              best);
  return audio / best;
}

void ReportLoudness(const char* what, Decoder& decoder) {
  const std::vector<float> all = RenderAll(decoder);
  double peak = 0, sum = 0;
  std::size_t clipped = 0;
  for (float s : all) {
    peak = std::max(peak, static_cast<double>(std::fabs(s)));
    sum += static_cast<double>(s) * s;
    if (s >= 32767 / 32768.0f || s <= -1.0f) ++clipped;
  }
  std::printf("%s: peak %.1f dBFS, RMS %.1f dBFS, clipped samples %.4f %%\n", what,
              20 * std::log10(peak), 10 * std::log10(sum / static_cast<double>(all.size())),
              100.0 * clipped / static_cast<double>(all.size()));
}

std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

void ReportOpenAndMemory(const MidiBytes& song) {
  OpenBytes(song);  // the synthesizer's configuration is read at the first song
  std::vector<std::unique_ptr<Decoder>> open;
  const std::size_t before = PrivateBytes();
  const auto start = Clock::now();
  for (int i = 0; i < 8; ++i) open.push_back(OpenBytes(song));
  const double seconds = SecondsSince(start) / 8;
  const double mib = static_cast<double>(PrivateBytes() - before) / 8 / (1 << 20);
  std::printf("open the dense piece: %.1f ms; memory per open MIDI stream: %.1f MiB\n",
              seconds * 1000, mib);
}

}  // namespace

int main(int argc, char** argv) {
  static const MidiBytes sparse = SparseMinute(), dense = DenseMinute();
  static const Bytes wav = WavFile({}, Pcm16Frames(44100 * 60, 2));
  auto midi = [](const void* bytes) { return OpenBytes(*static_cast<const MidiBytes*>(bytes)); };
  auto pcm = [](const void*) -> std::unique_ptr<Decoder> {
    return WavDecoder::Open(std::make_unique<MemoryReader>(wav.data(), wav.size()));
  };
  RenderTimes("reference: WAV decode of a minute of PCM", pcm, nullptr);
  RenderTimes("MIDI render, sparse minute (one flute)", midi, &sparse);
  RenderTimes("MIDI render, dense minute (nine instruments and drums)", midi, &dense);
  ReportOpenAndMemory(dense);
  if (auto decoder = OpenBytes(dense)) ReportLoudness("dense piece", *decoder);
  if (argc > 1) {
    if (auto decoder = OpenMidiDecoder(AnsiFile::Open(argv[1], 0, 0)))
      ReportLoudness(argv[1], *decoder);
  }
  return 0;
}
