// syn123's count of a stream's frames at another rate is an off_t; MinGW's
// off_t is 32 bits unless asked for 64, and the header then picks the "_64" name.
#define _FILE_OFFSET_BITS 64
#include "audio/stream_feed.h"

#include <syn123.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numeric>
#include <utility>

#include "audio/downmix.h"

namespace {

constexpr std::size_t kChunkFrames = 1024;
// Frames, at the lower of the two rates, that bring the converter's filters
// to rest on a held sample (they ring on from a fresh start for about as long).
constexpr std::size_t kSettleFrames = 64;
// Frames kept of a stream's end, to mirror it over: more than the converter
// lags by at any ratio (about 4 frames of the lower rate; 21 from 192 kHz).
constexpr std::size_t kTailFrames = 64;
// Rates of streams seen by one program are few; a stream of damaged files
// with ever new rates measures each again rather than growing the table.
constexpr std::size_t kMostRatesKept = 64;

std::size_t SettleInputFrames(std::uint32_t inRate, std::uint32_t outRate) {
  return kSettleFrames * std::max<std::size_t>(1, (inRate + outRate - 1) / outRate);
}

// A slow ramp through a converter of its own: once its filters have settled,
// the ramp comes out a fixed time late and (by the filters' gain) a little
// low, and two outputs give both. In output frames: about 3.73 from 48 kHz
// to 44.1 kHz, 7.47 from 22.05 kHz; 0 when it cannot be measured.
double MeasureLate(std::uint32_t inRate, std::uint32_t outRate) {
  syn123_struct* probe = syn123_new(outRate, 1, MPG123_ENC_FLOAT_32, 0, nullptr);
  if (!probe) return 0;
  const std::size_t ramp = 2 * SettleInputFrames(inRate, outRate);
  std::vector<float> outs(syn123_resample_count(inRate, outRate, 1) + 1);
  double t1 = -1, y1 = 0, t2 = 0, y2 = 0;
  std::int64_t made = 0;
  const bool ready = syn123_setup_resample(probe, inRate, outRate, 1, 0, 0) == SYN123_OK;
  for (std::size_t i = 0; ready && i < ramp; ++i) {
    float x = static_cast<float>(i) / static_cast<float>(ramp);
    const std::size_t got = syn123_resample(probe, outs.data(), &x, 1);
    made += static_cast<std::int64_t>(got);
    if (got == 0 || 2 * i < ramp) continue;
    t2 = static_cast<double>(made - 1) * inRate / outRate, y2 = outs[got - 1];
    if (t1 < 0) t1 = t2, y1 = y2;
  }
  syn123_del(probe);
  if (t1 < 0 || t2 <= t1 || y2 <= y1) return 0;
  const double gain = (y2 - y1) * static_cast<double>(ramp) / (t2 - t1);
  const double late = (t2 - y2 * static_cast<double>(ramp) / gain) * outRate / inRate;
  return late > 0 && late < 1e6 ? late : 0;
}

double ConverterLate(std::uint32_t inRate, std::uint32_t outRate) {
  static std::mutex lock;
  static std::map<std::pair<std::uint32_t, std::uint32_t>, double> known;
  std::lock_guard hold(lock);
  const auto found = known.find({inRate, outRate});
  if (found != known.end()) return found->second;
  const double late = MeasureLate(inRate, outRate);
  if (known.size() < kMostRatesKept) known[{inRate, outRate}] = late;
  return late;
}

}  // namespace

// The converter's output frame j stands for input frame j * in / out, `late`
// output frames late. After a primer of p frames that gave q output frames,
// the stream's first frame comes out late + p * out / in - q frames on:
// dropping that many rounded, the stream starts on its output grid to within
// the fraction left over. Primer lengths one apart leave different
// fractions; the one leaving the least is taken.
StreamFeed::Timing StreamFeed::ChooseTiming(std::uint32_t inRate, std::uint32_t outRate) {
  const double late = ConverterLate(inRate, outRate);
  const std::size_t settle = SettleInputFrames(inRate, outRate);
  const std::size_t period = std::min<std::size_t>(inRate / std::gcd(inRate, outRate), 256);
  Timing best{settle, 0};
  double bestLeft = 1;
  for (std::size_t primer = settle; primer < settle + period; ++primer) {
    const auto made = static_cast<double>(syn123_resample_total(inRate, outRate, primer));
    const double until = late + static_cast<double>(primer) * outRate / inRate - made;
    const double drop = std::max(std::round(until), 0.0);
    if (std::abs(until - drop) >= bestLeft) continue;
    bestLeft = std::abs(until - drop);
    best = {primer, static_cast<std::size_t>(drop)};
  }
  return best;
}

StreamFeed::StreamFeed(Decoder& decoder, std::uint32_t outputRate)
    : decoder_(decoder), format_(decoder.format()), outputRate_(outputRate) {
  decodedSamples_.resize(kChunkFrames * format_.channels);
  stereo_.resize(kChunkFrames * 2);
  if (format_.rate == outputRate_) return;
  if (syn123_resample_count(format_.rate, outputRate_, 1) == 0) {
    decoderDone_ = true;
    return;
  }
  timing_ = ChooseTiming(format_.rate, outputRate_);
  resampler_ = syn123_new(outputRate_, 2, MPG123_ENC_FLOAT_32, 0, nullptr);
  resetResampler(0);
  if (!resampler_) decoderDone_ = true;
}

StreamFeed::~StreamFeed() {
  if (resampler_) syn123_del(resampler_);
}

// The resampler keeps a history of past input; after a seek that history
// belongs to another place in the stream. Set up again with the same rates
// it keeps it; set up with none first, it forgets it.
void StreamFeed::resetResampler(std::int64_t from) {
  if (!resampler_) return;
  syn123_setup_resample(resampler_, 0, 0, 0, 0, 0);
  if (syn123_setup_resample(resampler_, format_.rate, outputRate_, 2, 0, 0) != SYN123_OK) {
    syn123_del(resampler_);
    resampler_ = nullptr;
  }
  primed_ = false;
  recent_.clear();
  lagLeft_ = timing_.drop;
  from_ = from;
  converted_ = 0;
}

bool StreamFeed::seek(std::int64_t frame) {
  pending_.clear();
  resetResampler(frame);
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
  if (got == 0) {
    flushResampler();
    return false;
  }
  decoded_ += static_cast<std::int64_t>(got);
  ToStereo(decodedSamples_.data(), format_.channels, got, stereo_.data());
  if (format_.rate == outputRate_) {
    pending_.push(stereo_.data(), got);
    return true;
  }
  if (!resampler_) return false;
  if (!primed_) primeResampler();
  convert(stereo_.data(), got);
  keepTail(got);
  return true;
}

// A fresh converter rings for a while on whatever comes first: a stream that
// starts at full level, as one queued after another does, would start with
// a click. Its first frame held for a while beforehand, heard by no one,
// brings the filters to rest on it.
void StreamFeed::primeResampler() {
  primed_ = true;
  for (std::size_t left = timing_.primer; left > 0;) {
    const std::size_t n = std::min(left, inputFramesFor(kChunkFrames));
    edge_.resize(2 * n);
    for (std::size_t i = 0; i < n; ++i) std::copy_n(stereo_.data(), 2, edge_.data() + 2 * i);
    resample(edge_.data(), n);
    left -= n;
  }
}

void StreamFeed::keepTail(std::size_t frames) {
  const std::size_t take = std::min(frames, kTailFrames);
  recent_.insert(recent_.end(), stereo_.data() + 2 * (frames - take), stereo_.data() + 2 * frames);
  if (recent_.size() > 2 * kTailFrames)
    recent_.erase(recent_.begin(), recent_.end() - 2 * kTailFrames);
}

// At the decoder's end the converter still holds the stream's last frames,
// as many as it lags by: the end mirrored brings them out, up to the count
// the stream's length makes at the output rate.
void StreamFeed::flushResampler() {
  if (!resampler_ || recent_.empty()) return;
  std::size_t fed = 0;
  for (int tries = 0; tries < 64 && converted_ < totalConverted(); ++tries) {
    const std::size_t n = inputFramesFor(static_cast<std::size_t>(totalConverted() - converted_));
    convert(mirroredTail(fed, n), n);
    fed += n;
  }
}

// The end mirrored about the last frame (twice the last frame, less the one
// as far before it) goes on as the music would, neither flat nor with a
// kink; past the frames kept, the mirror's last frame is held.
float* StreamFeed::mirroredTail(std::size_t first, std::size_t frames) {
  edge_.resize(2 * frames);
  const std::size_t kept = recent_.size() / 2;
  const float* last = recent_.data() + 2 * (kept - 1);
  for (std::size_t i = 0; i < frames; ++i) {
    const float* mirror = last - 2 * std::min(first + i + 1, kept - 1);
    edge_[2 * i] = 2 * last[0] - mirror[0];
    edge_[2 * i + 1] = 2 * last[1] - mirror[1];
  }
  return edge_.data();
}

std::size_t StreamFeed::resample(float* stereo, std::size_t frames) {
  const std::size_t most = syn123_resample_count(format_.rate, outputRate_, frames);
  if (resampled_.size() < 2 * most) resampled_.resize(2 * most);
  return syn123_resample(resampler_, resampled_.data(), stereo, frames);
}

// The converter's first output frames stand for the primer: they are
// dropped, so the stream starts on time, and no more frames are kept than
// the stream's length makes.
void StreamFeed::convert(float* stereo, std::size_t frames) {
  std::size_t outs = resample(stereo, frames);
  const std::size_t dropped = std::min(outs, lagLeft_);
  lagLeft_ -= dropped;
  const std::int64_t room = std::max<std::int64_t>(totalConverted() - converted_, 0);
  outs = std::min(outs - dropped, static_cast<std::size_t>(room));
  pending_.push(resampled_.data() + 2 * dropped, outs);
  converted_ += static_cast<std::int64_t>(outs);
}

std::int64_t StreamFeed::totalConverted() const {
  return syn123_resample_total(format_.rate, outputRate_, decoded_ - from_);
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
