// Outputs that stand in for the sound device in tests.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>

#include "audio/fallback_output.h"
#include "audio/silent_output.h"

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

  class Device final : public Output {
   public:
    Device(std::uint32_t rate, FakeSoundServer& server) : clock_(rate), server_(server) {}
    std::uint32_t rate() const override { return clock_.rate(); }
    std::size_t blockFrames() const override { return clock_.blockFrames(); }
    bool canWrite() override { return clock_.canWrite(); }
    void write(const std::int16_t* stereo) override {
      clock_.write(stereo);
      if (server_.up.load()) server_.framesHeard += static_cast<std::int64_t>(clock_.blockFrames());
    }
    std::chrono::microseconds untilWritable() override { return clock_.untilWritable(); }
    std::int64_t playedFrames() override { return clock_.playedFrames(); }
    bool failed() override { return !server_.up.load(); }

   private:
    SilentOutput clock_;
    FakeSoundServer& server_;
  };
};

// A sound device that keeps the loudest sample it is handed, playing in real
// time on a silent output's clock: what the mixer applied is heard there.
struct LevelMeter {
  std::atomic<int> loudest{0};

  DeviceOpener opener() {
    return [this](std::uint32_t rate) -> std::unique_ptr<Output> {
      return std::make_unique<Device>(rate, *this);
    };
  }

  class Device final : public Output {
   public:
    Device(std::uint32_t rate, LevelMeter& meter) : clock_(rate), meter_(meter) {}
    std::uint32_t rate() const override { return clock_.rate(); }
    std::size_t blockFrames() const override { return clock_.blockFrames(); }
    bool canWrite() override { return clock_.canWrite(); }
    void write(const std::int16_t* stereo) override {
      int loudest = 0;
      for (std::size_t i = 0; i < 2 * clock_.blockFrames(); ++i)
        loudest = std::max(loudest, std::abs(static_cast<int>(stereo[i])));
      int heard = meter_.loudest.load();
      while (loudest > heard && !meter_.loudest.compare_exchange_weak(heard, loudest)) {
      }
      clock_.write(stereo);
    }
    std::chrono::microseconds untilWritable() override { return clock_.untilWritable(); }
    std::int64_t playedFrames() override { return clock_.playedFrames(); }
    bool failed() override { return false; }

   private:
    SilentOutput clock_;
    LevelMeter& meter_;
  };
};
