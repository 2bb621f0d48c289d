// MPEG audio layer III through libmpg123, reading through our ByteReader.
#pragma once

#include <memory>

#include "audio/byte_reader.h"
#include "audio/decoder.h"

struct mpg123_handle_struct;

class Mp3Decoder final : public Decoder {
 public:
  // Nothing when no MPEG frame decodes from the reader.
  static std::unique_ptr<Mp3Decoder> Open(std::unique_ptr<ByteReader> reader);
  ~Mp3Decoder() override;
  Mp3Decoder(const Mp3Decoder&) = delete;
  Mp3Decoder& operator=(const Mp3Decoder&) = delete;

  AudioFormat format() const override { return format_; }
  std::int64_t lengthFrames() const override { return length_; }
  std::size_t read(float* out, std::size_t frames) override;
  bool seek(std::int64_t frame) override;

 private:
  Mp3Decoder(std::unique_ptr<ByteReader> reader, mpg123_handle_struct* handle);
  bool start();
  bool open(bool gapless);
  bool openCounted();

  std::unique_ptr<ByteReader> reader_;
  mpg123_handle_struct* handle_;
  AudioFormat format_;
  std::int64_t length_ = 0;
  std::int64_t position_ = 0;  // the next frame read gives
  std::int64_t lead_ = 0;      // decoded frames before the first one of the stream
  bool finished_ = false;
};
