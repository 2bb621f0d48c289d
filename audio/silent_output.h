// An output without a device: a real-time clock plays the frames out, so
// streams advance, end and report positions as they would with speakers.
#pragma once

#include <chrono>

#include "audio/output.h"

class SilentOutput final : public Output {
 public:
  explicit SilentOutput(std::uint32_t rate);
  std::uint32_t rate() const override { return rate_; }
  std::size_t blockFrames() const override { return block_; }
  bool canWrite() override;
  void write(const std::int16_t* stereo) override;
  std::chrono::microseconds untilWritable() override;
  std::int64_t playedFrames() override;

 private:
  using Clock = std::chrono::steady_clock;

  std::uint32_t rate_;
  std::size_t block_;
  std::int64_t written_ = 0;
  std::int64_t syncPlayed_ = 0;
  Clock::time_point syncTime_;
};
