// The mixer's side of one stream: decoded frames turned into stereo floats at
// the output's rate. A pull decodes about as much as it needs, whatever the
// ratio of the rates. Used by the mixer thread only.
#pragma once

#include <vector>

#include "audio/decoder.h"
#include "audio/frame_ring.h"

struct syn123_struct;

class StreamFeed {
 public:
  StreamFeed(Decoder& decoder, std::uint32_t outputRate);
  ~StreamFeed();
  StreamFeed(const StreamFeed&) = delete;
  StreamFeed& operator=(const StreamFeed&) = delete;

  bool seek(std::int64_t frame);
  // Frames written to stereo; fewer than asked only once the decoder is done.
  std::size_t pull(float* stereo, std::size_t frames);
  // The stream frame that the next pulled frame comes from.
  std::int64_t streamFrame() const;
  std::int64_t decodedFrames() const { return decoded_; }
  bool finished() const { return decoderDone_ && pending_.empty(); }

 private:
  std::size_t inputFramesFor(std::size_t wanted) const;
  bool decodeChunk(std::size_t wanted);
  void resetResampler();

  Decoder& decoder_;
  AudioFormat format_;
  std::uint32_t outputRate_;
  syn123_struct* resampler_ = nullptr;
  std::vector<float> decodedSamples_;
  std::vector<float> stereo_;
  std::vector<float> resampled_;
  FrameRing pending_;
  std::int64_t decoded_ = 0;
  bool decoderDone_ = false;
};
