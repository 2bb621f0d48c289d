// WAV files built byte by byte for the tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

inline void PutChunk(Bytes& b, const char* id, const Bytes& body, bool pad = true) {
  b.insert(b.end(), id, id + 4);
  Put32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (pad && body.size() % 2) b.push_back(0);
}

struct WavLayout {
  std::uint16_t tag = 1;  // 1 PCM, 3 float, 0xFFFE extensible
  std::uint16_t subTag = 1;
  std::uint16_t channels = 2;
  std::uint32_t rate = 44100;
  std::uint16_t bits = 16;
};

inline Bytes FmtBody(const WavLayout& s) {
  Bytes fmt;
  const std::uint16_t align = static_cast<std::uint16_t>(s.channels * ((s.bits + 7) / 8));
  Put16(fmt, s.tag);
  Put16(fmt, s.channels);
  Put32(fmt, s.rate);
  Put32(fmt, s.rate * align);
  Put16(fmt, align);
  Put16(fmt, s.bits);
  if (s.tag != 0xFFFE) return fmt;
  Put16(fmt, 22);
  Put16(fmt, s.bits);
  Put32(fmt, 0);
  Put16(fmt, s.subTag);
  const unsigned char tail[14] = {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
  fmt.insert(fmt.end(), tail, tail + 14);
  return fmt;
}

// A complete file: RIFF header, fmt, the extra chunks, then data.
inline Bytes WavFile(const WavLayout& s, const Bytes& data, const Bytes& extraChunks = {}) {
  Bytes body{'W', 'A', 'V', 'E'};
  PutChunk(body, "fmt ", FmtBody(s));
  body.insert(body.end(), extraChunks.begin(), extraChunks.end());
  PutChunk(body, "data", data);
  Bytes file{'R', 'I', 'F', 'F'};
  Put32(file, static_cast<std::uint32_t>(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

// frames of 16-bit silence-free PCM: a ramp, so seeking lands on known values.
inline Bytes Pcm16Frames(std::uint32_t frames, std::uint32_t channels) {
  Bytes data;
  for (std::uint32_t i = 0; i < frames * channels; ++i) Put16(data, (i * 7) & 0x7FFF);
  return data;
}

// The same samples in an RF64 container: a ds64 chunk carries the sizes and
// the RIFF and data size fields say 0xFFFFFFFF.
inline Bytes Rf64FromWave(const Bytes& wave) {
  Bytes chunks;
  std::uint64_t dataSize = 0;
  for (std::size_t at = 12; at + 8 <= wave.size();) {
    const std::uint32_t size =
        wave[at + 4] | wave[at + 5] << 8 | wave[at + 6] << 16 | wave[at + 7] << 24;
    const bool isData = std::string(wave.begin() + at, wave.begin() + at + 4) == "data";
    chunks.insert(chunks.end(), wave.begin() + at, wave.begin() + at + 4);
    Put32(chunks, isData ? 0xFFFFFFFF : size);
    const std::size_t end = std::min(wave.size(), at + 8 + size + (size & 1));
    chunks.insert(chunks.end(), wave.begin() + at + 8, wave.begin() + end);
    if (isData) dataSize = size;
    at = end;
  }
  Bytes ds64;
  const std::uint64_t riffSize = 4 + 8 + 28 + chunks.size();
  for (std::uint64_t v : {riffSize, dataSize, std::uint64_t{0}}) {
    Put32(ds64, static_cast<std::uint32_t>(v));
    Put32(ds64, static_cast<std::uint32_t>(v >> 32));
  }
  Put32(ds64, 0);
  Bytes file{'R', 'F', '6', '4'};
  Put32(file, 0xFFFFFFFF);
  file.insert(file.end(), {'W', 'A', 'V', 'E'});
  PutChunk(file, "ds64", ds64);
  file.insert(file.end(), chunks.begin(), chunks.end());
  return file;
}

// MPEG audio in a WAVE wrapper, as recorders and converters write it: an
// MPEGLAYER3WAVEFORMAT header (tag 0x55) and the MPEG frames as the data chunk.
inline Bytes MpegInWave(const Bytes& mpeg, std::uint32_t rate, std::uint16_t channels) {
  Bytes fmt;
  Put16(fmt, 0x55);
  Put16(fmt, channels);
  Put32(fmt, rate);
  Put32(fmt, 16000);  // 128 kbit/s
  Put16(fmt, 1);
  Put16(fmt, 0);
  Put16(fmt, 12);  // the MPEG-specific fields that follow
  Put16(fmt, 1);
  Put32(fmt, 2);
  Put16(fmt, 418);
  Put16(fmt, 1);
  Put16(fmt, 1393);
  Bytes body{'W', 'A', 'V', 'E'};
  PutChunk(body, "fmt ", fmt);
  PutChunk(body, "data", mpeg);
  Bytes file{'R', 'I', 'F', 'F'};
  Put32(file, static_cast<std::uint32_t>(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}
