#include "audio/mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "audio/end_notice.h"

namespace {

// A playing stream: sleep until the output has room for the next block.
// Only queued frames left: look again soon, to see the end being heard.
// Nothing at all (kIdle): sleep until a play or seek request wakes the mixer.
constexpr auto kMinWait = std::chrono::microseconds(1000);
constexpr auto kDrainWait = std::chrono::microseconds(5000);
constexpr auto kIdle = std::chrono::microseconds(-1);
// After running out of memory, a pause before trying again, so the thread
// does not spin while memory is short.
constexpr auto kOutOfMemoryWait = std::chrono::microseconds(20'000);

std::int16_t ToPcm16(float sample) {
  const float scaled = std::round(sample * 32767.0f);
  return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

}  // namespace

Mixer::Mixer(std::unique_ptr<Output> output, StreamTable& streams)
    : output_(std::move(output)), streams_(streams) {
  mix_.resize(2 * output_->blockFrames());
  pcm_.resize(2 * output_->blockFrames());
}

Mixer::~Mixer() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wakeUp_.notify_one();
  if (thread_.joinable()) thread_.join();
}

bool Mixer::start() {
  try {
    thread_ = std::thread(&Mixer::run, this);
    return true;
  } catch (...) {
    return false;
  }
}

void Mixer::wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  wakeUp_.notify_one();
}

// Nothing thrown may leave the thread (it would end the program): a stream
// whose decoding fails is abandoned where it fails, and anything else thrown
// in a pass (no memory for the snapshot) costs a short wait and a new pass.
void Mixer::run() {
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (stop_) break;
    }
    try {
      pass();
    } catch (...) {
      idle(kOutOfMemoryWait);
    }
  }
  snapshot_.clear();
}

// One pass: a block mixed and handed over, or a sleep until one is due. The
// program hears of ends before the mixer sleeps, which may be for good.
void Mixer::pass() {
  const bool active = serviceStreams();
  const bool mix = active && output_->canWrite();
  if (mix) mixBlock();
  announceEnds();
  if (!mix) idle(waitFor(active));
}

// Streams freed since the last pass drop out of the snapshot here, and the
// last reference, released on this thread, closes their decoders.
bool Mixer::serviceStreams() {
  streams_.snapshot(snapshot_);
  const std::int64_t played = output_->playedFrames();
  bool active = false;
  for (const auto& stream : snapshot_) {
    Stream::Step step;
    try {
      step = stream->service(played, written_);
    } catch (...) {
      step = stream->abandon();
    }
    note(step);
    active = stream->wantsAudio() || step.follower || active;
  }
  return active;
}

void Mixer::mixBlock() {
  std::fill(mix_.begin(), mix_.end(), 0.0f);
  for (const auto& stream : snapshot_) mixFrom(stream);
  std::transform(mix_.begin(), mix_.end(), pcm_.begin(), ToPcm16);
  output_->write(pcm_.data());
  written_ += static_cast<std::int64_t>(output_->blockFrames());
}

// A stream that runs out within the block hands the rest of it to the stream
// queued after it, which may run out in turn. A follower met again later in
// the snapshot has been mixed already and adds nothing.
void Mixer::mixFrom(std::shared_ptr<Stream> stream) {
  const std::size_t block = output_->blockFrames();
  std::size_t at = 0;
  while (stream) {
    Stream::Step step;
    try {
      step = stream->mixInto(mix_.data() + 2 * at, block - at,
                             written_ + static_cast<std::int64_t>(at));
    } catch (...) {
      step = stream->abandon();
    }
    note(step);
    at += step.frames;
    stream = std::move(step.follower);
  }
}

void Mixer::note(const Stream::Step& step) {
  if (step.noticed()) ++ends_;
}

void Mixer::announceEnds() {
  for (; ends_ > 0; --ends_) PostEndNotice();
}

std::chrono::microseconds Mixer::waitFor(bool active) {
  if (active) return std::max(output_->untilWritable(), kMinWait);
  return output_->playedFrames() < written_ ? kDrainWait : kIdle;
}

// Before sleeping for good the snapshot is let go, so a stream freed while
// the mixer sleeps ends at once on the program's thread.
void Mixer::idle(std::chrono::microseconds wait) {
  if (wait == kIdle) snapshot_.clear();
  std::unique_lock lock(mutex_);
  const auto wakes = [this] { return woken_ || stop_; };
  if (wait == kIdle)
    wakeUp_.wait(lock, wakes);
  else
    wakeUp_.wait_for(lock, wait, wakes);
  woken_ = false;
}
