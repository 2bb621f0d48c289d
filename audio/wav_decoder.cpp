#include "audio/wav_decoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The rates we play. The lowest is well below anything a recorder, a
// telephone line (8000 Hz) or an old sample pack (4000 Hz and up) writes,
// and keeps the mixer's resampling of one block to at most 44 times its
// size at 44100 Hz; a 1 Hz header is a damaged file, not a recording.
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 1'000'000;
// What the downmix to stereo knows how to place.
constexpr int kMaxChannels = 8;

sf_count_t FileLength(void* reader) { return static_cast<ByteReader*>(reader)->size(); }

// libsndfile may ask for a place past the end (to skip a chunk that is cut
// short); it then stands at the end, where reads give nothing.
sf_count_t Seek(sf_count_t offset, int whence, void* user) {
  auto* reader = static_cast<ByteReader*>(user);
  sf_count_t target = offset;
  if (whence == SEEK_CUR) target += reader->tell();
  if (whence == SEEK_END) target += reader->size();
  if (target < 0) return -1;
  reader->seek(target < reader->size() ? target : reader->size());
  return reader->tell();
}

sf_count_t Read(void* buffer, sf_count_t count, void* reader) {
  if (count <= 0) return 0;
  return static_cast<sf_count_t>(
      static_cast<ByteReader*>(reader)->read(buffer, static_cast<std::size_t>(count)));
}

sf_count_t Tell(void* reader) { return static_cast<ByteReader*>(reader)->tell(); }

SF_VIRTUAL_IO kVirtualIo = {FileLength, Seek, Read, nullptr, Tell};

bool IsWavFamily(int format) {
  switch (format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_RF64:
    case SF_FORMAT_W64: return true;
    default: return false;
  }
}

bool IsFloat(int format) {
  const int codec = format & SF_FORMAT_SUBMASK;
  return codec == SF_FORMAT_FLOAT || codec == SF_FORMAT_DOUBLE;
}

}  // namespace

std::unique_ptr<WavDecoder> WavDecoder::Open(std::unique_ptr<ByteReader> reader) {
  if (!reader || !reader->seek(0)) return nullptr;
  std::unique_ptr<WavDecoder> decoder(new WavDecoder(std::move(reader)));
  return decoder->start() ? std::move(decoder) : nullptr;
}

WavDecoder::WavDecoder(std::unique_ptr<ByteReader> reader) : reader_(std::move(reader)) {}

WavDecoder::~WavDecoder() {
  if (file_) sf_close(file_);
}

bool WavDecoder::start() {
  SF_INFO info{};
  file_ = sf_open_virtual(&kVirtualIo, SFM_READ, &info, reader_.get());
  if (!file_ || !IsWavFamily(info.format) || info.frames <= 0) return false;
  if (info.samplerate < kMinRate || info.samplerate > kMaxRate) return false;
  if (info.channels < 1 || info.channels > kMaxChannels) return false;
  format_ = {static_cast<std::uint32_t>(info.samplerate),
             static_cast<std::uint32_t>(info.channels)};
  length_ = info.frames;
  floatSamples_ = IsFloat(info.format);
  seekable_ = info.seekable != 0;
  return true;
}

// Non-finite or absurd floats would poison the whole mix; they are heard as silence.
std::size_t WavDecoder::read(float* out, std::size_t frames) {
  const sf_count_t got = sf_readf_float(file_, out, static_cast<sf_count_t>(frames));
  if (got <= 0) return 0;
  const std::size_t samples = static_cast<std::size_t>(got) * format_.channels;
  if (floatSamples_)
    for (std::size_t i = 0; i < samples; ++i)
      if (!(out[i] < 1e30f && out[i] > -1e30f)) out[i] = 0.0f;
  return static_cast<std::size_t>(got);
}

bool WavDecoder::seek(std::int64_t frame) {
  if (frame < 0 || frame > length_) return false;
  if (!seekable_) return decodeFromStartTo(frame);
  return sf_seek(file_, frame, SEEK_SET) == frame;
}

// libsndfile cannot seek in GSM 6.10, whose decoder carries its state from
// block to block; decoding again from the start lands on the very frame.
bool WavDecoder::decodeFromStartTo(std::int64_t frame) {
  sf_close(file_);
  file_ = nullptr;
  if (!reader_->seek(0) || !start()) return false;
  std::vector<float> skipped(1024 * format_.channels);
  while (frame > 0) {
    const sf_count_t got = sf_readf_float(file_, skipped.data(), std::min<sf_count_t>(frame, 1024));
    if (got <= 0) return false;
    frame -= got;
  }
  return true;
}
