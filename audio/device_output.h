// The platform's output device through waveOut: a ring of buffers the mixer
// refills as the device hands them back.
#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "audio/output.h"

class DeviceOutput final : public Output {
 public:
  // device -1 is the default device, n >= 1 the n-th; nothing when it cannot open.
  static std::unique_ptr<DeviceOutput> Open(int device, std::uint32_t rate);
  ~DeviceOutput() override;
  DeviceOutput(const DeviceOutput&) = delete;
  DeviceOutput& operator=(const DeviceOutput&) = delete;

  std::uint32_t rate() const override { return rate_; }
  std::size_t blockFrames() const override { return block_; }
  bool canWrite() override;
  void write(const std::int16_t* stereo) override;
  std::chrono::microseconds untilWritable() override;
  std::int64_t playedFrames() override;
  bool failed() override;

 private:
  struct Buffer;
  DeviceOutput(void* device, std::uint32_t rate);
  void reap();

  void* device_;
  std::uint32_t rate_;
  std::size_t block_;
  std::vector<Buffer> buffers_;
  std::size_t oldest_ = 0;
  std::size_t inFlight_ = 0;
  std::int64_t played_ = 0;
  // When a buffer last came back, or the queue last started from empty.
  std::chrono::steady_clock::time_point lastReturn_;
  bool writeFailed_ = false;
};
