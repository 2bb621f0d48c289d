#include "audio/engine.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "audio/device_output.h"

namespace {

constexpr std::uint32_t kDefaultRate = 44100;
constexpr std::uint32_t kMinRate = 8000;
constexpr std::uint32_t kMaxRate = 192000;

std::atomic<Engine*> running{nullptr};
std::atomic<bool> forceSilent{false};
DeviceOpener testOpener;

// Device 0 asks for no sound at all: no opener, so the device is never tried.
DeviceOpener OpenerFor(int device) {
  if (device == 0 || forceSilent.load()) return nullptr;
  if (testOpener) return testOpener;
  return [device](std::uint32_t rate) -> std::unique_ptr<Output> {
    return DeviceOutput::Open(device, rate);
  };
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
  const std::uint32_t rate =
      frequency == 0 ? kDefaultRate : std::clamp(frequency, kMinRate, kMaxRate);
  auto engine = std::make_unique<Engine>();
  auto output = std::make_unique<FallbackOutput>(rate, OpenerFor(device));
  engine->output = output.get();
  engine->mixer = std::make_unique<Mixer>(std::move(output), engine->streams);
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

void UseDeviceOpener(DeviceOpener opener) { testOpener = std::move(opener); }
