// PCM and IEEE-float samples of a WAV file, as interleaved floats.
#pragma once

#include "audio/decoder.h"
#include "audio/wav_format.h"

#include <memory>
#include <vector>

class WavDecoder final : public Decoder {
 public:
  // Nothing when the reader does not hold a WAV we play or it holds no frames.
  static std::unique_ptr<WavDecoder> Open(std::unique_ptr<ByteReader> reader);

  AudioFormat format() const override { return {format_.rate, format_.channels}; }
  std::int64_t lengthFrames() const override { return format_.frameCount; }
  std::size_t read(float* out, std::size_t frames) override;
  bool seek(std::int64_t frame) override;

 private:
  WavDecoder(std::unique_ptr<ByteReader> reader, const WavFormat& format);

  std::unique_ptr<ByteReader> reader_;
  WavFormat format_;
  std::int64_t frame_ = 0;
  std::vector<unsigned char> bytes_;
};
