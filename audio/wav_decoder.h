// Every WAVE variant libsndfile reads (PCM, float, extensible, µ-law, A-law,
// IMA and MS ADPCM, GSM 6.10), RF64 and Wave64, as interleaved floats, read
// through libsndfile's virtual I/O over our ByteReader.
#pragma once

#include <memory>

#include "audio/byte_reader.h"
#include "audio/decoder.h"

struct sf_private_tag;

class WavDecoder final : public Decoder {
 public:
  // Nothing when libsndfile does not read it as a WAV family file, or it
  // holds no frames, or its rate or channel count is one we do not play.
  static std::unique_ptr<WavDecoder> Open(std::unique_ptr<ByteReader> reader);
  ~WavDecoder() override;
  WavDecoder(const WavDecoder&) = delete;
  WavDecoder& operator=(const WavDecoder&) = delete;

  AudioFormat format() const override { return format_; }
  std::int64_t lengthFrames() const override { return length_; }
  std::size_t read(float* out, std::size_t frames) override;
  bool seek(std::int64_t frame) override;

 private:
  explicit WavDecoder(std::unique_ptr<ByteReader> reader);
  bool start();
  bool decodeFromStartTo(std::int64_t frame);

  std::unique_ptr<ByteReader> reader_;
  sf_private_tag* file_ = nullptr;
  AudioFormat format_;
  std::int64_t length_ = 0;
  bool floatSamples_ = false;
  bool seekable_ = false;
};
