#include "audio/stream.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace {
std::atomic<std::int64_t> lastStartDelay{-1};
}

std::int64_t LastStartDelayMicros() { return lastStartDelay.load(); }

Stream::Stream(std::unique_ptr<Decoder> decoder, std::uint32_t outputRate)
    : length_(decoder->lengthFrames()),
      decoder_(std::move(decoder)),
      format_(decoder_->format()),
      feed_(*decoder_, outputRate),
      ramp_(outputRate) {}

// Playing a stream that has reached its end starts it again; playing a
// paused one resumes where it stopped, fading in so the restart does not click.
bool Stream::play(bool restart) {
  std::lock_guard lock(mutex_);
  if (restart || ended_) {
    seekTo_ = 0;
    heard_ = 0;
    ended_ = false;
  }
  if (state_ == State::Playing && !restart) return true;
  state_ = State::Playing;
  fadeIn_ = true;
  stampPending_ = true;
  playAt_ = Clock::now();
  lastStartDelay.store(-1);
  return true;
}

bool Stream::pause() {
  std::lock_guard lock(mutex_);
  if (state_ != State::Playing) return false;
  state_ = State::Paused;
  fadeOut_ = true;
  return true;
}

void Stream::setVolume(float volume) {
  std::lock_guard lock(mutex_);
  volume_ = volume;
}

// A position at or beyond the end is refused and playback goes on where it was.
bool Stream::setPosition(std::int64_t frame) {
  std::lock_guard lock(mutex_);
  if (frame < 0 || frame >= length_) return false;
  seekTo_ = frame;
  heard_ = frame;
  ended_ = false;
  return true;
}

std::uint32_t Stream::activity() const {
  std::lock_guard lock(mutex_);
  if (state_ == State::Playing) return 1;
  return state_ == State::Paused ? 3 : 0;
}

std::int64_t Stream::positionFrames() const {
  std::lock_guard lock(mutex_);
  return heard_;
}

std::int64_t Stream::lengthFrames() const {
  std::lock_guard lock(mutex_);
  return length_;
}

void Stream::service(std::int64_t playedFrames, std::int64_t writtenFrames) {
  std::int64_t seek;
  {
    std::lock_guard lock(mutex_);
    seek = seekTo_;
  }
  if (seek >= 0) {
    drained_ = !feed_.seek(seek);
    positions_.reset(writtenFrames, seek);
    std::lock_guard lock(mutex_);
    if (seekTo_ == seek) seekTo_ = -1;
  }
  publish(positions_.heardAt(playedFrames), playedFrames);
}

// The length a decoder promised (a truncated file whose header still tells
// the full duration) gives way to what really decoded.
void Stream::publish(std::int64_t heard, std::int64_t playedFrames) {
  std::lock_guard lock(mutex_);
  if (seekTo_ >= 0) return;
  heard_ = heard;
  if (feed_.decodedFrames() > length_) length_ = feed_.decodedFrames();
  if (!drained_ || !positions_.allHeard(playedFrames) || state_ != State::Playing) return;
  state_ = State::Stopped;
  ended_ = true;
  length_ = feed_.decodedFrames();
  heard_ = length_;
}

bool Stream::wantsAudio() const {
  std::lock_guard lock(mutex_);
  if (state_ == State::Paused) return fadeOut_ && !drained_;
  return state_ == State::Playing && (!drained_ || seekTo_ >= 0);
}

void Stream::mixInto(float* mix, std::size_t frames, std::int64_t outputStart) {
  float volume;
  bool fadeIn, stamp;
  Clock::time_point playAt;
  {
    std::lock_guard lock(mutex_);
    const bool fading = state_ == State::Paused && std::exchange(fadeOut_, false);
    if ((state_ != State::Playing && !fading) || seekTo_ >= 0 || drained_) return;
    // A pause ends with a few milliseconds turned down to silence, not a cut.
    if (fading) frames = std::min(frames, ramp_.frames());
    volume = fading ? 0.0f : volume_;
    fadeIn = std::exchange(fadeIn_, false);
    stamp = std::exchange(stampPending_, false);
    playAt = playAt_;
  }
  if (fadeIn) ramp_.startFromSilence();
  block_.resize(2 * frames);
  const std::int64_t start = feed_.streamFrame();
  const std::size_t n = feed_.pull(block_.data(), frames);
  drained_ = feed_.finished();
  ramp_.apply(block_.data(), n, volume);
  for (std::size_t i = 0; i < 2 * n; ++i) mix[i] += block_[i];
  positions_.addBlock(outputStart, outputStart + static_cast<std::int64_t>(n), start,
                      feed_.streamFrame());
  noteStartDelay(stamp && n > 0, playAt);
}

// Activity 0 is what the players watch for, so they move to the next track.
void Stream::abandon() {
  drained_ = true;
  std::lock_guard lock(mutex_);
  if (state_ == State::Playing) ended_ = true;
  state_ = State::Stopped;
}

void Stream::noteStartDelay(bool stampPending, Clock::time_point playAt) {
  if (!stampPending) return;
  const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - playAt);
  lastStartDelay.store(delay.count());
}
