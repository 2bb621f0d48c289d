// Where the mixer hands its blocks: stereo 16-bit frames at one rate.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

class Output {
 public:
  virtual ~Output() = default;
  virtual std::uint32_t rate() const = 0;
  virtual std::size_t blockFrames() const = 0;
  // Room for one more block now.
  virtual bool canWrite() = 0;
  virtual void write(const std::int16_t* stereo) = 0;
  // How long until there is room for a block: how long the mixer may sleep.
  virtual std::chrono::microseconds untilWritable() = 0;
  // Frames played out so far: handed over minus what is still queued.
  virtual std::int64_t playedFrames() = 0;
  // A device that has stopped taking sound (its server gone, the device
  // removed) says so here; the caller then plays on without it.
  virtual bool failed() { return false; }
};
