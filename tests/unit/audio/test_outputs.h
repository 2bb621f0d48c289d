// Outputs that stand in for the sound device in tests.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>

#include "audio/fallback_output.h"
#include "audio/silent_output.h"

// A sound device that plays in real time on a silent output's clock and
// hands each block it is written to hear().
class ClockedDevice : public Output {
 public:
  explicit ClockedDevice(std::uint32_t rate) : clock_(rate) {}
  std::uint32_t rate() const override { return clock_.rate(); }
  std::size_t blockFrames() const override { return clock_.blockFrames(); }
  bool canWrite() override { return clock_.canWrite(); }
  void write(const std::int16_t* stereo) override {
    clock_.write(stereo);
    hear(stereo);
  }
  std::chrono::microseconds untilWritable() override { return clock_.untilWritable(); }
  std::int64_t playedFrames() override { return clock_.playedFrames(); }

 private:
  virtual void hear(const std::int16_t* stereo) = 0;

  SilentOutput clock_;
};

// A sound device the tests can take away and give back: while its server is
// up it opens and plays in real time (a silent output's clock); when the
// server goes, an open device reports itself failed and new opens fail.
struct FakeSoundServer {
  std::atomic<bool> up{false};
  std::atomic<int> opens{0};
  std::atomic<int> tries{0};
  std::atomic<std::int64_t> framesHeard{0};

  DeviceOpener opener() {
    return [this](std::uint32_t rate) -> std::unique_ptr<Output> {
      ++tries;
      if (!up.load()) return nullptr;
      ++opens;
      return std::make_unique<Device>(rate, *this);
    };
  }

  class Device final : public ClockedDevice {
   public:
    Device(std::uint32_t rate, FakeSoundServer& server) : ClockedDevice(rate), server_(server) {}
    bool failed() override { return !server_.up.load(); }

   private:
    void hear(const std::int16_t*) override {
      if (server_.up.load()) server_.framesHeard += static_cast<std::int64_t>(blockFrames());
    }

    FakeSoundServer& server_;
  };
};

// A sound device that keeps the loudest sample it is handed: what the mixer
// applied is heard there.
struct LevelMeter {
  std::atomic<int> loudest{0};

  DeviceOpener opener() {
    return [this](std::uint32_t rate) -> std::unique_ptr<Output> {
      return std::make_unique<Device>(rate, *this);
    };
  }

  class Device final : public ClockedDevice {
   public:
    Device(std::uint32_t rate, LevelMeter& meter) : ClockedDevice(rate), meter_(meter) {}

   private:
    void hear(const std::int16_t* stereo) override {
      int loudest = 0;
      for (std::size_t i = 0; i < 2 * blockFrames(); ++i)
        loudest = std::max(loudest, std::abs(static_cast<int>(stereo[i])));
      int heard = meter_.loudest.load();
      while (loudest > heard && !meter_.loudest.compare_exchange_weak(heard, loudest)) {
      }
    }

    LevelMeter& meter_;
  };
};
