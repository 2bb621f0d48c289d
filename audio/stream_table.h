// Open streams under their handles. A handle carries a generation count, and
// the slot freed longest ago is reused first, so a freed handle does not come
// back soon and calls on it fail harmlessly.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/stream.h"

class StreamTable {
 public:
  // 0 when the table is full.
  std::uint32_t add(std::shared_ptr<Stream> stream);
  std::shared_ptr<Stream> find(std::uint32_t handle) const;
  bool remove(std::uint32_t handle);
  void snapshot(std::vector<std::shared_ptr<Stream>>& into) const;
  void clear();

 private:
  struct Slot {
    std::uint16_t generation = 1;
    std::shared_ptr<Stream> stream;
  };
  const Slot* slotOf(std::uint32_t handle) const;
  void release(std::uint32_t index);

  mutable std::mutex mutex_;
  std::vector<Slot> slots_;
  std::deque<std::uint32_t> free_;
};
