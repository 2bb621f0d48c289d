#include "audio/byte_window.h"

#include <algorithm>

ByteWindow::ByteWindow(std::unique_ptr<ByteReader> inner, std::int64_t offset, std::int64_t length)
    : inner_(std::move(inner)), offset_(offset) {
  const std::int64_t held = inner_ ? inner_->size() - offset : 0;
  size_ = std::max<std::int64_t>(0, std::min(length, held));
}

std::size_t ByteWindow::read(void* buffer, std::size_t count) {
  const std::int64_t left = size_ - position_;
  if (left <= 0 || !inner_->seek(offset_ + position_)) return 0;
  const std::size_t got =
      inner_->read(buffer, static_cast<std::size_t>(std::min<std::int64_t>(left, count)));
  position_ += static_cast<std::int64_t>(got);
  return got;
}

bool ByteWindow::seek(std::int64_t position) {
  if (position < 0 || position > size_) return false;
  position_ = position;
  return true;
}
