#include "audio/wav_decoder.h"

#include <cstring>

namespace {

float FromInteger(const unsigned char* p, std::uint32_t size) {
  switch (size) {
    case 1: return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 2: return static_cast<std::int16_t>(p[0] | p[1] << 8) / 32768.0f;
    case 3: {
      const std::int32_t v = static_cast<std::int32_t>(
          static_cast<std::uint32_t>(p[0]) << 8 | static_cast<std::uint32_t>(p[1]) << 16 |
          static_cast<std::uint32_t>(p[2]) << 24);
      return static_cast<float>(v / 2147483648.0);
    }
    default: {
      std::int32_t v;
      std::memcpy(&v, p, 4);
      return static_cast<float>(v / 2147483648.0);
    }
  }
}

// Non-finite floats would poison the whole mix; they are heard as silence.
float FromFloat(const unsigned char* p, std::uint32_t size) {
  double v;
  if (size == 4) {
    float f;
    std::memcpy(&f, p, 4);
    v = f;
  } else {
    std::memcpy(&v, p, 8);
  }
  return v == v && v < 1e30 && v > -1e30 ? static_cast<float>(v) : 0.0f;
}

}  // namespace

std::unique_ptr<WavDecoder> WavDecoder::Open(std::unique_ptr<ByteReader> reader) {
  if (!reader) return nullptr;
  const auto format = ReadWavFormat(*reader);
  if (!format || format->frameCount <= 0) return nullptr;
  if (!reader->seek(format->dataOffset)) return nullptr;
  return std::unique_ptr<WavDecoder>(new WavDecoder(std::move(reader), *format));
}

WavDecoder::WavDecoder(std::unique_ptr<ByteReader> reader, const WavFormat& format)
    : reader_(std::move(reader)), format_(format) {}

std::size_t WavDecoder::read(float* out, std::size_t frames) {
  const std::int64_t left = format_.frameCount - frame_;
  if (left <= 0) return 0;
  if (static_cast<std::int64_t>(frames) > left) frames = static_cast<std::size_t>(left);
  const std::size_t sampleSize = format_.bytesPerSample;
  const std::size_t frameSize = sampleSize * format_.channels;
  bytes_.resize(frames * frameSize);
  // A file cut short since it was opened yields only its whole frames.
  const std::size_t got = reader_->read(bytes_.data(), bytes_.size()) / frameSize;
  const std::size_t samples = got * format_.channels;
  const bool isFloat = format_.kind == SampleKind::Float;
  for (std::size_t i = 0; i < samples; ++i) {
    const unsigned char* p = bytes_.data() + i * sampleSize;
    out[i] = isFloat ? FromFloat(p, format_.bytesPerSample) : FromInteger(p, format_.bytesPerSample);
  }
  frame_ += static_cast<std::int64_t>(got);
  if (got < frames) frame_ = format_.frameCount;
  return got;
}

bool WavDecoder::seek(std::int64_t frame) {
  if (frame < 0 || frame > format_.frameCount) return false;
  const std::int64_t frameSize = format_.bytesPerSample * format_.channels;
  if (!reader_->seek(format_.dataOffset + frame * frameSize)) return false;
  frame_ = frame;
  return true;
}
