#include "audio/engine.h"

#include "audio/device_output.h"
#include "audio/silent_output.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {

constexpr std::uint32_t kDefaultRate = 44100;
constexpr std::uint32_t kMinRate = 8000;
constexpr std::uint32_t kMaxRate = 192000;

std::atomic<Engine*> running{nullptr};
std::atomic<bool> forceSilent{false};

std::unique_ptr<Output> OpenOutput(int device, std::uint32_t rate, bool& silent) {
  silent = true;
  if (device == 0 || device < -1 || forceSilent.load()) return std::make_unique<SilentOutput>(rate);
  if (auto output = DeviceOutput::Open(device, rate)) {
    silent = false;
    return output;
  }
  return std::make_unique<SilentOutput>(rate);
}

// The players exit without closing the library. Left running into process
// teardown, the mixer thread and an open waveOut device race Wine's audio
// driver thread as it goes away (seen as a crash at exit under winepulse), so
// the mixer is stopped and the device closed before the process goes down.
void StopAtExit() {
  static const bool registered = std::atexit(StopEngine) == 0;
  (void)registered;
}

}  // namespace

bool StartEngine(int device, std::uint32_t frequency) {
  if (running.load() || device < -1) return false;
  const std::uint32_t rate = frequency == 0 ? kDefaultRate : std::clamp(frequency, kMinRate, kMaxRate);
  auto engine = std::make_unique<Engine>();
  engine->mixer = std::make_unique<Mixer>(OpenOutput(device, rate, engine->silent), engine->streams);
  if (!engine->mixer->start()) return false;
  running.store(engine.release());
  StopAtExit();
  return true;
}

Engine* RunningEngine() { return running.load(); }

void StopEngine() {
  Engine* engine = running.exchange(nullptr);
  if (!engine) return;
  engine->streams.clear();
  delete engine;
}

void ForceSilentOutput(bool silent) { forceSilent.store(silent); }
