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
    handedOver_ = false;
  }
  played_ = true;
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
  handedOver_ = false;
  return true;
}

// The follower is held weakly: freeing its handle closes its decoder as it
// does for any stream, and the hand-over then finds nothing to start. A
// stream that has handed over already is still heard for a few blocks; a
// second follower queued then would play on top of the first.
bool Stream::queueNext(const std::shared_ptr<Stream>& next) {
  std::lock_guard lock(mutex_);
  if (ended_ || retired_ || handedOver_) return false;
  next_ = next;
  return true;
}

void Stream::retire() {
  std::lock_guard lock(mutex_);
  retired_ = true;
  next_.reset();
}

bool Stream::neverPlayed() const {
  std::lock_guard lock(mutex_);
  return !played_;
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

// A follower queued after this stream had already run out (or while it was
// paused on its last block) starts as soon as the end is heard, so what was
// queued always plays unless it was dropped.
Stream::Step Stream::service(std::int64_t playedFrames, std::int64_t writtenFrames) {
  seekIfAsked(writtenFrames);
  if (!publish(positions_.heardAt(playedFrames), playedFrames)) return {};
  return {0, true, takeFollower()};
}

void Stream::seekIfAsked(std::int64_t writtenFrames) {
  std::int64_t seek;
  {
    std::lock_guard lock(mutex_);
    seek = seekTo_;
  }
  if (seek < 0) return;
  drained_ = !feed_.seek(seek);
  positions_.reset(writtenFrames, seek);
  std::lock_guard lock(mutex_);
  if (seekTo_ == seek) seekTo_ = -1;
}

// The length a decoder promised (a truncated file whose header still tells
// the full duration) gives way to what really decoded. True when the stream
// ends now.
bool Stream::publish(std::int64_t heard, std::int64_t playedFrames) {
  std::lock_guard lock(mutex_);
  if (seekTo_ >= 0) return false;
  heard_ = heard;
  if (feed_.decodedFrames() > length_) length_ = feed_.decodedFrames();
  if (!drained_ || !positions_.allHeard(playedFrames) || state_ != State::Playing) return false;
  state_ = State::Stopped;
  ended_ = true;
  length_ = feed_.decodedFrames();
  heard_ = length_;
  return true;
}

// A stream that has run out with a follower still queued (queued late, or
// resumed after running out during its pause) hands over in the next block.
bool Stream::wantsAudio() const {
  std::lock_guard lock(mutex_);
  if (state_ == State::Paused) return fadeOut_ && !drained_;
  return state_ == State::Playing && (!drained_ || seekTo_ >= 0 || !next_.expired());
}

// What one block asks of the stream, taken under the lock in one go.
struct Stream::Plan {
  bool mix = false;
  bool playing = false;  // playing, not fading out into a pause: it may hand over
  std::size_t frames = 0;
  float volume = 0.0f;
  bool fadeIn = false;
  bool joins = false;
  bool stamp = false;
  Clock::time_point playAt;
};

// The follower's first frame is the output frame right after the last one
// of the stream before it, in the same block: it is mixed here, at once,
// from the frame at which this stream ran out. Only a stream that takes
// part in a block claims it: a follower met stopped earlier in the same
// round is still mixed when it is handed the rest of the block.
Stream::Step Stream::mixInto(float* mix, std::size_t frames, std::int64_t outputStart) {
  if (outputStart < mixedTo_) return {};
  seekIfAsked(outputStart);
  const Plan plan = planBlock(frames);
  if (!plan.mix && !plan.playing) return {};
  mixedTo_ = outputStart + static_cast<std::int64_t>(frames);
  const std::size_t mixed = plan.mix ? mixFrames(mix, plan, outputStart) : 0;
  if (!drained_ || !plan.playing) return {mixed, false, nullptr};
  return {mixed, false, takeFollower()};
}

Stream::Plan Stream::planBlock(std::size_t frames) {
  std::lock_guard lock(mutex_);
  Plan plan;
  const bool fading = state_ == State::Paused && std::exchange(fadeOut_, false);
  plan.playing = state_ == State::Playing && seekTo_ < 0;
  if ((state_ != State::Playing && !fading) || seekTo_ >= 0 || drained_) return plan;
  plan.mix = true;
  // A pause ends with a few milliseconds turned down to silence, not a cut.
  plan.frames = fading ? std::min(frames, ramp_.frames()) : frames;
  plan.volume = fading ? 0.0f : volume_;
  plan.fadeIn = std::exchange(fadeIn_, false);
  plan.joins = std::exchange(joins_, false);
  plan.stamp = std::exchange(stampPending_, false);
  plan.playAt = playAt_;
  return plan;
}

// A follower goes on from the sample before it at its own volume: a fade-in
// would be heard as a dip in the middle of the music.
std::size_t Stream::mixFrames(float* mix, const Plan& plan, std::int64_t outputStart) {
  if (plan.fadeIn) ramp_.startFromSilence();
  if (plan.joins) ramp_.startAt(plan.volume);
  block_.resize(2 * plan.frames);
  const std::int64_t start = feed_.streamFrame();
  const std::size_t n = feed_.pull(block_.data(), plan.frames);
  drained_ = feed_.finished();
  ramp_.apply(block_.data(), n, plan.volume);
  for (std::size_t i = 0; i < 2 * n; ++i) mix[i] += block_[i];
  const std::int64_t outputEnd = outputStart + static_cast<std::int64_t>(n);
  positions_.addBlock(outputStart, outputEnd, start, feed_.streamFrame());
  noteStartDelay(plan.stamp && n > 0, plan.playAt);
  return n;
}

// The follower's lock is taken inside this stream's; nothing takes them the
// other way round, since only the mixer thread hands over.
std::shared_ptr<Stream> Stream::takeFollower() {
  std::lock_guard lock(mutex_);
  std::shared_ptr<Stream> next = std::exchange(next_, {}).lock();
  if (!next || !next->startAsFollower()) return nullptr;
  handedOver_ = true;
  return next;
}

// Only a stream that has never played starts as a follower: one the program
// has played or freed since queueing it is left alone.
bool Stream::startAsFollower() {
  std::lock_guard lock(mutex_);
  if (retired_ || played_) return false;
  played_ = true;
  state_ = State::Playing;
  joins_ = true;
  return true;
}

// Activity 0 is what the players watch for, so they move to the next track;
// a follower queued after a failing stream takes over at once.
Stream::Step Stream::abandon() {
  drained_ = true;
  bool playing;
  {
    std::lock_guard lock(mutex_);
    playing = state_ == State::Playing;
    if (playing) ended_ = true;
    state_ = State::Stopped;
  }
  return {0, playing, playing ? takeFollower() : nullptr};
}

void Stream::noteStartDelay(bool stampPending, Clock::time_point playAt) {
  if (!stampPending) return;
  const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - playAt);
  lastStartDelay.store(delay.count());
}
