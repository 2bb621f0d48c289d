// Figures of the audio library, printed, not judged:
//   audio_bench DIR [NATIVE_MP3_SECONDS]
// DIR holds the files bench/audio_bench.sh makes: the same minute of sound
// as 16-bit, 24-bit, mu-law and IMA ADPCM WAVs and as an MP3; an hour of MP3
// without a LAME header; an hour with one, cut in half. NATIVE_MP3_SECONDS
// is how long the command-line decoder took on the minute of MP3, for the ratio.
// The last figures are those of gapless playback: a stream opened ahead and
// queued, beside the one playing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/ansi_file.h"
#include "audio/audio.h"
#include "audio/open_decoder.h"
#include "audio/test_hooks.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Best of three: the machine is shared, the fastest run is the least disturbed.
template <typename Open>
double DecodeSeconds(Open open, double& audioSeconds) {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    std::unique_ptr<Decoder> decoder = open();
    if (!decoder) return -1;
    std::vector<float> buffer(4096 * decoder->format().channels);
    std::int64_t frames = 0;
    while (std::size_t got = decoder->read(buffer.data(), 4096))
      frames += static_cast<std::int64_t>(got);
    best = std::min(best, SecondsSince(start));
    audioSeconds = static_cast<double>(frames) / decoder->format().rate;
  }
  return best;
}

std::unique_ptr<Decoder> OpenFile(const std::string& path) {
  return OpenDecoder(AnsiFile::Open(path.c_str(), 0, 0));
}

double ReportDecodingOf(const std::string& file, const char* kind) {
  double audio = 0;
  const double seconds = DecodeSeconds([&] { return OpenFile(file); }, audio);
  std::printf("%s decode: %.0f x real time (%.1f s of audio in %.4f s)\n", kind, audio / seconds,
              audio, seconds);
  return seconds;
}

void ReportDecoding(const std::string& dir, double nativeSeconds) {
  ReportDecodingOf(dir + "minute.wav", "WAV 16-bit (reference)");
  ReportDecodingOf(dir + "minute-24.wav", "WAV 24-bit");
  ReportDecodingOf(dir + "minute-ulaw.wav", "WAV mu-law");
  ReportDecodingOf(dir + "minute-ima.wav", "WAV IMA ADPCM");
  const double mp3Seconds = ReportDecodingOf(dir + "minute.mp3", "MP3");
  std::printf("mpg123 command line: %.0f x real time; ours / command line = %.2f\n",
              60 / nativeSeconds, nativeSeconds / mp3Seconds);
}

void ReportOpen(const std::string& mp3, const char* what) {
  const auto start = Clock::now();
  auto decoder = OpenFile(mp3);
  const double seconds = SecondsSince(start);
  if (!decoder) return;
  std::printf("open of %.1f min %s: %.4f s (%lld frames)\n",
              decoder->lengthFrames() / static_cast<double>(decoder->format().rate) / 60, what,
              seconds, static_cast<long long>(decoder->lengthFrames()));
}

// As in the players, the mixer has long gone to sleep when play is asked for.
void ReportStartDelay(const std::string& wav) {
  std::vector<double> delays;
  for (int i = 0; i < 20; ++i) {
    const AudioHandle stream = BASS_StreamCreateFile(false, wav.c_str(), 0, 0, 0);
    Sleep(50);
    BASS_ChannelPlay(stream, false);
    for (int wait = 0; wait < 1000 && AudioTestLastStartDelayMicros() < 0; ++wait) Sleep(1);
    delays.push_back(AudioTestLastStartDelayMicros() / 1000.0);
    BASS_StreamFree(stream);
    AudioTestShutdown();
    BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr);
  }
  std::sort(delays.begin(), delays.end());
  std::printf("play to first sample handed to the output: median %.2f ms, worst %.2f ms\n",
              delays[10], delays.back());
}

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto toSeconds = [](FILETIME t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
  };
  return toSeconds(kernel) + toSeconds(user);
}

void ReportPlaybackCpu(const std::string& file, const char* kind) {
  const AudioHandle stream = BASS_StreamCreateFile(false, file.c_str(), 0, 0, 0);
  constexpr double kSeconds = 10;
  const double before = ProcessCpuSeconds();
  BASS_ChannelPlay(stream, false);
  Sleep(static_cast<DWORD>(kSeconds * 1000));
  const double used = ProcessCpuSeconds() - before;
  BASS_StreamFree(stream);
  std::printf("CPU for playing %s on the silent output: %.3f s per minute (%.2f %% of one core)\n",
              kind, used * 60 / kSeconds, 100 * used / kSeconds);
}

// Bytes in use on every heap of the process: the C runtime's malloc (which
// libmpg123 uses) and operator new both allocate from these heaps.
double HeapBytes() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  double total = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heaps[i]);
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return total;
}

void ReportStreamMemory(const std::string& file, const char* kind) {
  constexpr int kStreams = 200;
  std::vector<AudioHandle> streams;
  const double before = HeapBytes();
  for (int i = 0; i < kStreams; ++i)
    streams.push_back(BASS_StreamCreateFile(false, file.c_str(), 0, 0, 0));
  const double after = HeapBytes();
  for (AudioHandle stream : streams) BASS_StreamFree(stream);
  std::printf("memory per open %s stream: %.1f KiB\n", kind, (after - before) / kStreams / 1024);
  // The mixer lets go of freed streams on its next pass; the next figure
  // starts once it has, or it would count their release against its own streams.
  for (int wait = 0; wait < 200 && HeapBytes() > before; ++wait) Sleep(10);
}

double CpuPercentOver(DWORD milliseconds) {
  const double before = ProcessCpuSeconds();
  Sleep(milliseconds);
  return 100 * (ProcessCpuSeconds() - before) / (milliseconds / 1000.0);
}

// What gapless playback costs: one more stream opened and queued while one
// plays, beside the playing stream alone in the same run. The follower is
// decoded only once it is mixed, so while it waits it costs its memory and
// no time.
void ReportQueuedStream(const std::string& file, const char* kind) {
  constexpr DWORD kMeasure = 10000;
  const double none = HeapBytes();
  const AudioHandle playing = BASS_StreamCreateFile(false, file.c_str(), 0, 0, 0);
  BASS_ChannelPlay(playing, false);
  Sleep(200);
  const double alone = HeapBytes();
  const double cpuAlone = CpuPercentOver(kMeasure);
  const AudioHandle next = BASS_StreamCreateFile(false, file.c_str(), 0, 0, 0);
  if (!AudioQueueNext(playing, next)) std::printf("FAILED: the stream was not queued\n");
  Sleep(200);
  const double queued = HeapBytes();
  const double cpuQueued = CpuPercentOver(kMeasure);
  BASS_StreamFree(next);
  BASS_StreamFree(playing);
  std::printf(
      "memory of a playing %s stream: %.1f KiB; of one more opened ahead and queued: %.1f KiB\n",
      kind, (alone - none) / 1024, (queued - alone) / 1024);
  std::printf("CPU while a %s stream plays: %.2f %% of one core alone, %.2f %% with one queued\n",
              kind, cpuAlone, cpuQueued);
  for (int wait = 0; wait < 200 && HeapBytes() > none; ++wait) Sleep(10);
}

// The command-line decoder's seconds, written with a decimal point; 0 when
// the text is anything else. A shell whose locale writes "0,078" would
// otherwise hand over a time that reads as 0.
double ReferenceSeconds(const char* text) {
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  return end != text && *end == '\0' && seconds > 0 ? seconds : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: audio_bench DIR NATIVE_MP3_SECONDS\n");
    return 2;
  }
  const double reference = ReferenceSeconds(argv[2]);
  if (reference <= 0) {
    std::printf(
        "FAILED: the command-line decoder's time \"%s\" is no number of seconds;"
        " it is the reference of the MP3 figures\n",
        argv[2]);
    return 1;
  }
  const std::string dir = std::string(argv[1]) + "\\";
  ReportDecoding(dir, reference);
  ReportOpen(dir + "minute.mp3", "with LAME header, no scan");
  ReportOpen(dir + "hour.mp3", "without LAME header, with mpg123_scan");
  ReportOpen(dir + "hour-cut.mp3", "cut from 60 min, its LAME header doubted, with mpg123_scan");
  AudioTestForceSilentOutput(true);
  BASS_Init(kDefaultDevice, 44100, 0, nullptr, nullptr);
  ReportStartDelay(dir + "minute.wav");
  ReportPlaybackCpu(dir + "minute.wav", "WAV");
  ReportPlaybackCpu(dir + "minute.mp3", "MP3");
  ReportStreamMemory(dir + "minute.wav", "16-bit WAV");
  ReportStreamMemory(dir + "minute-ima.wav", "IMA ADPCM WAV");
  ReportStreamMemory(dir + "minute.mp3", "MP3");
  ReportQueuedStream(dir + "minute.wav", "WAV");
  ReportQueuedStream(dir + "minute.mp3", "MP3");
  return 0;
}
