#include "audio/position_map.h"

void PositionMap::reset(std::int64_t outputFrame, std::int64_t streamFrame) {
  points_.clear();
  points_.push_back({outputFrame, streamFrame});
}

// A block that does not continue the previous one (after a pause or a seek)
// starts with its own point, so the gap between them counts as no progress.
void PositionMap::addBlock(std::int64_t outputStart, std::int64_t outputEnd,
                           std::int64_t streamStart, std::int64_t streamEnd) {
  const Point& last = points_.back();
  if (last.output != outputStart || last.stream != streamStart)
    points_.push_back({outputStart, streamStart});
  points_.push_back({outputEnd, streamEnd});
}

std::int64_t PositionMap::heardAt(std::int64_t playedFrames) {
  while (points_.size() >= 2 && points_[1].output <= playedFrames) points_.pop_front();
  const Point& from = points_.front();
  if (points_.size() == 1 || playedFrames <= from.output) return from.stream;
  const Point& to = points_[1];
  const std::int64_t span = to.output - from.output;
  return from.stream + (playedFrames - from.output) * (to.stream - from.stream) / span;
}

bool PositionMap::allHeard(std::int64_t playedFrames) const {
  return playedFrames >= points_.back().output;
}
