#include "audio/stream_feed.h"

#include "audio/downmix.h"

#include <algorithm>
#include <syn123.h>

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
  const std::size_t outs = syn123_resample_count(format_.rate, outputRate_, kChunkFrames);
  resampled_.resize(outs * 2);
  if (!resampler_ || outs == 0) decoderDone_ = true;
}

StreamFeed::~StreamFeed() {
  if (resampler_) syn123_del(resampler_);
}

// The resampler keeps a history of past input; after a seek that history
// belongs to another place in the stream.
void StreamFeed::resetResampler() {
  if (resampler_ && syn123_setup_resample(resampler_, format_.rate, outputRate_, 2, 0, 0) != SYN123_OK) {
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

bool StreamFeed::decodeChunk() {
  const std::size_t got = decoder_.read(decodedSamples_.data(), kChunkFrames);
  if (got == 0) return false;
  decoded_ += static_cast<std::int64_t>(got);
  ToStereo(decodedSamples_.data(), format_.channels, got, stereo_.data());
  if (format_.rate != outputRate_ && !resampler_) return false;
  if (format_.rate == outputRate_) {
    pending_.insert(pending_.end(), stereo_.begin(), stereo_.begin() + 2 * got);
    return true;
  }
  const std::size_t outs = syn123_resample(resampler_, resampled_.data(), stereo_.data(), got);
  pending_.insert(pending_.end(), resampled_.begin(), resampled_.begin() + 2 * outs);
  return true;
}

std::size_t StreamFeed::pull(float* stereo, std::size_t frames) {
  while (!decoderDone_ && pending_.size() < 2 * frames) decoderDone_ = !decodeChunk();
  const std::size_t n = std::min(frames, pending_.size() / 2);
  std::copy(pending_.begin(), pending_.begin() + 2 * n, stereo);
  pending_.erase(pending_.begin(), pending_.begin() + 2 * n);
  return n;
}

std::int64_t StreamFeed::streamFrame() const {
  const auto pendingFrames = static_cast<std::int64_t>(pending_.size() / 2);
  const std::int64_t back = pendingFrames * format_.rate / outputRate_;
  return decoded_ > back ? decoded_ - back : 0;
}
