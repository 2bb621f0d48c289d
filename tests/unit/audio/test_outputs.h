// Outputs that stand in for the sound device in tests.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

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

// A sound device whose clock is the test's: it plays out what it is handed at
// once, up to the frame the test lets it reach, so a test neither waits real
// time nor races it. It keeps every frame it is handed.
struct Recorder {
  std::atomic<std::int64_t> heardLimit{std::numeric_limits<std::int64_t>::max()};
  std::atomic<std::int64_t> written{0};

  DeviceOpener opener() {
    return [this](std::uint32_t rate) -> std::unique_ptr<Output> {
      return std::make_unique<Device>(rate, *this);
    };
  }
  std::vector<std::int16_t> frames() {
    std::lock_guard lock(mutex_);
    return samples_;
  }

  class Device final : public Output {
   public:
    Device(std::uint32_t rate, Recorder& recorder) : rate_(rate), recorder_(recorder) {}
    std::uint32_t rate() const override { return rate_; }
    std::size_t blockFrames() const override { return rate_ / 100; }
    bool canWrite() override {
      return recorder_.written.load() - playedFrames() <
             4 * static_cast<std::int64_t>(blockFrames());
    }
    void write(const std::int16_t* stereo) override {
      {
        std::lock_guard lock(recorder_.mutex_);
        recorder_.samples_.insert(recorder_.samples_.end(), stereo, stereo + 2 * blockFrames());
      }
      recorder_.written += static_cast<std::int64_t>(blockFrames());
    }
    std::chrono::microseconds untilWritable() override { return std::chrono::microseconds(500); }
    std::int64_t playedFrames() override {
      return std::min(recorder_.written.load(), recorder_.heardLimit.load());
    }

   private:
    std::uint32_t rate_;
    Recorder& recorder_;
  };

 private:
  std::mutex mutex_;
  std::vector<std::int16_t> samples_;
};
