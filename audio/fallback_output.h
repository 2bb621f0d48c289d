// The output the mixer plays to: the device while it works, the silent output
// while it does not. On the silent output the device is tried again, now and
// then and whenever a new stream is created, and taken back when it opens.
// The frame count runs on across every switch, so positions are kept.
// Every output hands over blocks of rate / 100 frames, the size the mixer
// made its buffers for, so a switch never changes the block size.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/output.h"

// Opens the device at a rate; null when it cannot.
using DeviceOpener = std::function<std::unique_ptr<Output>(std::uint32_t rate)>;

struct RetryTiming {
  // Least time between two tries, so a string of new streams tries once.
  std::chrono::milliseconds afterRequest{500};
  // How often the device is tried while nothing asks for it.
  std::chrono::milliseconds unasked{3000};
};

class FallbackOutput final : public Output {
 public:
  // Without an opener the output stays silent for good.
  FallbackOutput(std::uint32_t rate, DeviceOpener openDevice, RetryTiming timing = {});
  ~FallbackOutput() override;
  FallbackOutput(const FallbackOutput&) = delete;
  FallbackOutput& operator=(const FallbackOutput&) = delete;

  // Any thread: the device is tried at the next pass (at most once per afterRequest).
  void retrySoon() { retryAsked_.store(true); }
  // Any thread: true while the sound goes to the device.
  bool onDevice() const { return onDevice_.load(); }

  std::uint32_t rate() const override { return rate_; }
  std::size_t blockFrames() const override { return current_->blockFrames(); }
  bool canWrite() override { return current_->canWrite(); }
  void write(const std::int16_t* stereo) override;
  std::chrono::microseconds untilWritable() override { return current_->untilWritable(); }
  std::int64_t playedFrames() override;

 private:
  using Clock = std::chrono::steady_clock;

  void fallBackIfFailed();
  void tryDeviceIfDue();
  void takeOpenedDevice();
  void switchTo(std::unique_ptr<Output> output, bool device);
  void joinProbe();

  const std::uint32_t rate_;
  const DeviceOpener openDevice_;
  const RetryTiming timing_;
  std::unique_ptr<Output> current_;
  std::atomic<bool> onDevice_{false};
  std::atomic<bool> retryAsked_{false};
  // Frames handed over in all, and how many of them went before the current output.
  std::int64_t written_ = 0;
  std::int64_t base_ = 0;
  Clock::time_point lastTry_;

  // The device is opened on a thread of its own: with no sound server an
  // open takes up to a tenth of a second, which the mixer must not wait out.
  std::thread probe_;
  std::mutex probeMutex_;
  bool probeDone_ = false;
  std::unique_ptr<Output> opened_;
};
