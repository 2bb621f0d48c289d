// Passes per second of both main loops while a track plays, in a real
// window: each pass fetches an event, handles the controls, turns the record
// and draws a frame, exactly as in the programs, and the process's peak
// working set by the end. Prints figures only.
//   loop_bench.exe full|mini TRACK [SECONDS]
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/passes_per_second.h"
#include "display/gdiplus.h"
#include "full/main_loop.h"
#include "full/skin_table.h"
#include "full/startup.h"
#include "full/state.h"
#include "mini/main_loop.h"
#include "mini/skin_table.h"
#include "mini/startup.h"
#include "mini/state.h"
#include "player/folder_scan.h"
#include "player/open_file.h"
#include "player/start_track.h"
#include "toolkit/toolkit.h"

namespace {

double PeakWorkingSetMegabytes() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) return 0;
  return memory.PeakWorkingSetSize / 1048576.0;
}

void Report(const char* program, double rate) {
  std::printf(
      "%-16s main loop while playing: %8.0f passes/s (%.3f ms per pass),"
      " peak working set %.1f MB\n",
      program, rate, 1000.0 / rate, PeakWorkingSetMegabytes());
}

void MeasureFull(const std::string& track, double seconds) {
  full::StartUp();
  full::state.powerOn = 1;  // as the power switch leaves it
  full::state.powerSwitchX = full::kHidden;
  full::state.powerLampX = full::kPowerLampOn;
  OpenPath(full::state, full::kProfile, track);
  Report("deckplayer", PassesPerSecond(full::RunPass, seconds));
  full::ShutDown();
}

void MeasureMini(const std::string& track, double seconds) {
  mini::StartUp();
  mini::state.powerOn = 1;
  mini::state.motorState = mini::kMotorOn;
  OpenPath(mini::state, mini::kProfile, track);
  Report("deckplayer-mini", PassesPerSecond(mini::RunPass, seconds));
  // The playlist is the mini player's to keep; the benchmark leaves none behind.
  StopGdiplus(mini::state.gdipToken);
  releaseToolkit();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string build = argc > 1 ? argv[1] : "";
  if (argc < 3 || (build != "full" && build != "mini")) {
    std::fprintf(stderr, "usage: loop_bench full|mini TRACK [SECONDS]\n");
    return 2;
  }
  const double seconds = argc > 3 ? std::atof(argv[3]) : 3.0;
  if (build == "full") {
    MeasureFull(argv[2], seconds);
  } else {
    MeasureMini(argv[2], seconds);
  }
  return 0;
}
