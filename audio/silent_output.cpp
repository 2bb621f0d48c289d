#include "audio/silent_output.h"

namespace {
// Blocks of 10 ms, at most four of them queued: what is queued is how far the
// handed-over position runs ahead of the one heard.
constexpr std::uint32_t kBlocksPerSecond = 100;
constexpr std::int64_t kQueuedBlocks = 4;
}  // namespace

SilentOutput::SilentOutput(std::uint32_t rate)
    : rate_(rate), block_(rate / kBlocksPerSecond), syncTime_(Clock::now()) {}

// When the queue has run dry the clock waits for the next block instead of
// counting frames that were never handed over.
std::int64_t SilentOutput::playedFrames() {
  const Clock::time_point now = Clock::now();
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::microseconds>(now - syncTime_).count();
  const std::int64_t played = syncPlayed_ + elapsed * rate_ / 1'000'000;
  if (played < written_) return played;
  syncPlayed_ = written_;
  syncTime_ = now;
  return written_;
}

bool SilentOutput::canWrite() {
  return written_ - playedFrames() < kQueuedBlocks * static_cast<std::int64_t>(block_);
}

// The mixer is woken when half the queue has played out and refills it in
// one go: half as many wake-ups as one per block.
std::chrono::microseconds SilentOutput::untilWritable() {
  const std::int64_t limit = kQueuedBlocks / 2 * static_cast<std::int64_t>(block_);
  const std::int64_t excess = written_ - playedFrames() - limit;
  return std::chrono::microseconds(excess <= 0 ? 0 : excess * 1'000'000 / rate_ + 1);
}

void SilentOutput::write(const std::int16_t*) {
  playedFrames();
  written_ += static_cast<std::int64_t>(block_);
}
