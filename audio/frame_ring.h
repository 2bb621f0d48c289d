// Stereo float frames waiting to be pulled, first in, first out. A circular
// buffer: taking frames out moves an index, never the frames left behind, and
// the buffer grows only when a push does not fit. Platform-free.
#pragma once

#include <cstddef>
#include <vector>

class FrameRing {
 public:
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  void clear();
  void push(const float* stereo, std::size_t frames);
  // Frames copied to stereo: as many as asked or as there are, the oldest first.
  std::size_t pop(float* stereo, std::size_t frames);

 private:
  std::size_t capacity() const { return samples_.size() / 2; }
  void grow(std::size_t frames);

  std::vector<float> samples_;
  std::size_t head_ = 0;  // frame index of the oldest frame
  std::size_t count_ = 0;
};
