// Which frame of a stream is being heard, given how many output frames have
// been played: each block handed to the output is remembered by the output
// frames it spans and the stream frames it carried.
#pragma once

#include <cstdint>
#include <deque>

class PositionMap {
 public:
  void reset(std::int64_t outputFrame, std::int64_t streamFrame);
  void addBlock(std::int64_t outputStart, std::int64_t outputEnd, std::int64_t streamStart,
                std::int64_t streamEnd);
  // Forgets the blocks that have been played out completely.
  std::int64_t heardAt(std::int64_t playedFrames);
  bool allHeard(std::int64_t playedFrames) const;

 private:
  struct Point {
    std::int64_t output;
    std::int64_t stream;
  };
  std::deque<Point> points_{{0, 0}};
};
