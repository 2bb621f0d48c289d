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
  // Frames of a primer the converter is fed before a stream's first frame,
  // and frames of its output then dropped so the stream starts on time.
  struct Timing {
    std::size_t primer = 0;
    std::size_t drop = 0;
  };
  static Timing ChooseTiming(std::uint32_t inRate, std::uint32_t outRate);

  std::size_t inputFramesFor(std::size_t wanted) const;
  bool decodeChunk(std::size_t wanted);
  void resetResampler(std::int64_t from);
  void primeResampler();
  void keepTail(std::size_t frames);
  void flushResampler();
  float* mirroredTail(std::size_t first, std::size_t frames);
  std::size_t resample(float* stereo, std::size_t frames);
  void convert(float* stereo, std::size_t frames);
  std::int64_t totalConverted() const;

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

  // Converting to the output's rate: how it is timed, and how many output
  // frames are still to be dropped before the stream's first; the last
  // frames it was fed, and those made up to go before the first and after
  // the last; the stream frame it started at and the output frames it has
  // given since.
  Timing timing_;
  std::size_t lagLeft_ = 0;
  bool primed_ = false;
  std::vector<float> recent_;
  std::vector<float> edge_;
  std::int64_t from_ = 0;
  std::int64_t converted_ = 0;
};
