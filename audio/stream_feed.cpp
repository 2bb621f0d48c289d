#include "audio/stream_feed.h"

#include <syn123.h>

#include <algorithm>

#include "audio/downmix.h"

namespace {

constexpr std::size_t kChunkFrames = 1024;

}  // namespace

StreamFeed::StreamFeed(Decoder& decoder, std::uint32_t outputRate)
    : decoder_(decoder), format_(decoder.format()), outputRate_(outputRate) {
  decodedSamples_.resize(kChunkFrames * format_.channels);
  stereo_.resize(kChunkFrames * 2);
  if (format_.rate == outputRate_) return;
  resampler_ = syn123_new(outputRate_, 2, MPG123_ENC_FLOAT_32, 0, nullptr);
  resetResampler();
  if (!resampler_ || syn123_resample_count(format_.rate, outputRate_, 1) == 0) decoderDone_ = true;
}

StreamFeed::~StreamFeed() {
  if (resampler_) syn123_del(resampler_);
}

// The resampler keeps a history of past input; after a seek that history
// belongs to another place in the stream.
void StreamFeed::resetResampler() {
  if (resampler_ &&
      syn123_setup_resample(resampler_, format_.rate, outputRate_, 2, 0, 0) != SYN123_OK) {
    syn123_del(resampler_);
    resampler_ = nullptr;
  }
}

bool StreamFeed::seek(std::int64_t frame) {
  pending_.clear();
  resetResampler();
  decoderDone_ = !decoder_.seek(frame);
  decoded_ = frame;
  return !decoderDone_;
}

// Stream frames to decode for at most about `wanted` output frames, and at
// least one: a stream at a few hertz makes a whole block from one frame, so
// decoding a fixed chunk would resample minutes of output in one pull.
std::size_t StreamFeed::inputFramesFor(std::size_t wanted) const {
  const std::size_t frames = format_.rate == outputRate_
                                 ? wanted
                                 : syn123_resample_fillcount(format_.rate, outputRate_, wanted);
  return std::clamp<std::size_t>(frames, 1, kChunkFrames);
}

bool StreamFeed::decodeChunk(std::size_t wanted) {
  const std::size_t got = decoder_.read(decodedSamples_.data(), inputFramesFor(wanted));
  if (got == 0) return false;
  decoded_ += static_cast<std::int64_t>(got);
  ToStereo(decodedSamples_.data(), format_.channels, got, stereo_.data());
  if (format_.rate == outputRate_) {
    pending_.push(stereo_.data(), got);
    return true;
  }
  if (!resampler_) return false;
  const std::size_t most = syn123_resample_count(format_.rate, outputRate_, got);
  if (resampled_.size() < 2 * most) resampled_.resize(2 * most);
  const std::size_t outs = syn123_resample(resampler_, resampled_.data(), stereo_.data(), got);
  pending_.push(resampled_.data(), outs);
  return true;
}

std::size_t StreamFeed::pull(float* stereo, std::size_t frames) {
  while (!decoderDone_ && pending_.size() < frames)
    decoderDone_ = !decodeChunk(frames - pending_.size());
  return pending_.pop(stereo, frames);
}

std::int64_t StreamFeed::streamFrame() const {
  const auto pendingFrames = static_cast<std::int64_t>(pending_.size());
  const std::int64_t back = pendingFrames * format_.rate / outputRate_;
  return decoded_ > back ? decoded_ - back : 0;
}
