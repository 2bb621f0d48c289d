#include "audio/frame_ring.h"

#include <algorithm>

void FrameRing::clear() {
  head_ = 0;
  count_ = 0;
}

// The frames are laid out again from index 0, so the ring is in one piece
// in its new storage.
void FrameRing::grow(std::size_t frames) {
  std::vector<float> larger(2 * std::max(frames, 2 * capacity()));
  const std::size_t first = std::min(count_, capacity() - head_);
  std::copy_n(samples_.begin() + 2 * head_, 2 * first, larger.begin());
  std::copy_n(samples_.begin(), 2 * (count_ - first), larger.begin() + 2 * first);
  samples_.swap(larger);
  head_ = 0;
}

// Pushing nothing leaves a ring that has no storage yet without any.
void FrameRing::push(const float* stereo, std::size_t frames) {
  if (frames == 0) return;
  if (count_ + frames > capacity()) grow(count_ + frames);
  const std::size_t tail = (head_ + count_) % capacity();
  const std::size_t first = std::min(frames, capacity() - tail);
  std::copy_n(stereo, 2 * first, samples_.begin() + 2 * tail);
  std::copy_n(stereo + 2 * first, 2 * (frames - first), samples_.begin());
  count_ += frames;
}

std::size_t FrameRing::pop(float* stereo, std::size_t frames) {
  const std::size_t n = std::min(frames, count_);
  if (n == 0) return 0;
  const std::size_t first = std::min(n, capacity() - head_);
  std::copy_n(samples_.begin() + 2 * head_, 2 * first, stereo);
  std::copy_n(samples_.begin(), 2 * (n - first), stereo + 2 * first);
  head_ = (head_ + n) % capacity();
  count_ -= n;
  return n;
}
