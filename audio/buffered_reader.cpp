#include "audio/buffered_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

BufferedReader::BufferedReader(std::int64_t size)
    : size_(size < 0 ? 0 : size), buffer_(kBufferSize) {}

// A source that delivers fewer bytes than it claimed to hold ends the read
// there; the next read asks the source again.
bool BufferedReader::fill() {
  bufferStart_ = position_;
  bufferFill_ = 0;
  const std::int64_t left = size_ - position_;
  const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(left, kBufferSize));
  bufferFill_ = std::min(readBlock(position_, buffer_.data(), wanted), wanted);
  return bufferFill_ > 0;
}

std::size_t BufferedReader::read(void* buffer, std::size_t count) {
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count && position_ < size_) {
    const std::int64_t inBuffer = position_ - bufferStart_;
    if (inBuffer < 0 || inBuffer >= static_cast<std::int64_t>(bufferFill_)) {
      if (!fill()) break;
      continue;
    }
    std::size_t n = bufferFill_ - static_cast<std::size_t>(inBuffer);
    if (n > count - done) n = count - done;
    std::memcpy(out + done, buffer_.data() + inBuffer, n);
    done += n;
    position_ += static_cast<std::int64_t>(n);
  }
  return done;
}

bool BufferedReader::seek(std::int64_t position) {
  if (position < 0 || position > size_) return false;
  position_ = position;
  return true;
}
