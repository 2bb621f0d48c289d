#include "audio/stream_table.h"

namespace {

constexpr std::uint32_t kMaxSlots = 4096;
// New slots are taken until this many exist; only then are freed ones reused.
constexpr std::size_t kSlotsBeforeReuse = 16;

std::uint32_t MakeHandle(std::uint32_t slot, std::uint16_t generation) {
  return static_cast<std::uint32_t>(generation) << 16 | (slot + 1);
}

}  // namespace

std::uint32_t StreamTable::add(std::shared_ptr<Stream> stream) {
  std::lock_guard lock(mutex_);
  std::uint32_t slot;
  const bool grow = free_.empty() || slots_.size() < kSlotsBeforeReuse;
  if (grow) {
    if (slots_.size() >= kMaxSlots) return 0;
    slot = static_cast<std::uint32_t>(slots_.size());
    slots_.emplace_back();
  } else {
    slot = free_.front();
    free_.pop_front();
  }
  slots_[slot].stream = std::move(stream);
  return MakeHandle(slot, slots_[slot].generation);
}

const StreamTable::Slot* StreamTable::slotOf(std::uint32_t handle) const {
  const std::uint32_t index = (handle & 0xFFFFu);
  if (index == 0 || index > slots_.size()) return nullptr;
  const Slot& slot = slots_[index - 1];
  if (!slot.stream || slot.generation != handle >> 16) return nullptr;
  return &slot;
}

std::shared_ptr<Stream> StreamTable::find(std::uint32_t handle) const {
  std::lock_guard lock(mutex_);
  const Slot* slot = slotOf(handle);
  return slot ? slot->stream : nullptr;
}

// The mixer may still hold the stream for the block it is mixing; the last
// reference to go ends it, on whichever thread that is.
bool StreamTable::remove(std::uint32_t handle) {
  std::lock_guard lock(mutex_);
  if (!slotOf(handle)) return false;
  release((handle & 0xFFFFu) - 1);
  return true;
}

void StreamTable::release(std::uint32_t index) {
  Slot& slot = slots_[index];
  slot.stream.reset();
  slot.generation = static_cast<std::uint16_t>(slot.generation == 0xFFFF ? 1 : slot.generation + 1);
  free_.push_back(index);
}

void StreamTable::snapshot(std::vector<std::shared_ptr<Stream>>& into) const {
  into.clear();
  std::lock_guard lock(mutex_);
  for (const Slot& slot : slots_)
    if (slot.stream) into.push_back(slot.stream);
}

void StreamTable::clear() {
  std::lock_guard lock(mutex_);
  for (std::uint32_t i = 0; i < slots_.size(); ++i)
    if (slots_[i].stream) release(i);
}
