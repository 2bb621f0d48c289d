#include "audio/fallback_output.h"

#include "audio/silent_output.h"

FallbackOutput::FallbackOutput(std::uint32_t rate, DeviceOpener openDevice, RetryTiming timing)
    : rate_(rate), openDevice_(std::move(openDevice)), timing_(timing), lastTry_(Clock::now()) {
  std::unique_ptr<Output> device = openDevice_ ? openDevice_(rate_) : nullptr;
  const bool opened = device != nullptr;
  switchTo(opened ? std::move(device) : std::make_unique<SilentOutput>(rate_), opened);
}

FallbackOutput::~FallbackOutput() { joinProbe(); }

void FallbackOutput::write(const std::int16_t* stereo) {
  current_->write(stereo);
  written_ += static_cast<std::int64_t>(current_->blockFrames());
}

// The mixer asks for the played frames once at the start of every pass,
// before it mixes: the one moment at which changing outputs splits no block.
std::int64_t FallbackOutput::playedFrames() {
  fallBackIfFailed();
  takeOpenedDevice();
  tryDeviceIfDue();
  return base_ + current_->playedFrames();
}

void FallbackOutput::fallBackIfFailed() {
  if (!onDevice_.load() || !current_->failed()) return;
  switchTo(std::make_unique<SilentOutput>(rate_), false);
  lastTry_ = Clock::now();
}

void FallbackOutput::tryDeviceIfDue() {
  if (onDevice_.load() || !openDevice_ || probe_.joinable()) return;
  const auto since = Clock::now() - lastTry_;
  const bool asked = retryAsked_.load() && since >= timing_.afterRequest;
  if (!asked && since < timing_.unasked) return;
  retryAsked_.store(false);
  lastTry_ = Clock::now();
  try {
    probe_ = std::thread([this] {
      std::unique_ptr<Output> device;
      try {
        device = openDevice_(rate_);
      } catch (...) {
      }
      std::lock_guard lock(probeMutex_);
      opened_ = std::move(device);
      probeDone_ = true;
    });
  } catch (...) {
    // No thread to open it on now; the next try comes after the same wait.
  }
}

void FallbackOutput::takeOpenedDevice() {
  std::unique_ptr<Output> device;
  {
    std::lock_guard lock(probeMutex_);
    if (!probeDone_) return;
    probeDone_ = false;
    device = std::move(opened_);
  }
  joinProbe();
  if (device) switchTo(std::move(device), true);
}

// What the old output still held queued is counted as played: at most a few
// blocks skipped, while the clock of every stream runs on without a jump back.
void FallbackOutput::switchTo(std::unique_ptr<Output> output, bool device) {
  current_ = std::move(output);
  base_ = written_;
  onDevice_.store(device);
}

void FallbackOutput::joinProbe() {
  if (probe_.joinable()) probe_.join();
}
