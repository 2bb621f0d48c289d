// Standard MIDI files built byte by byte, for the tests and the benchmark.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

using MidiBytes = std::vector<unsigned char>;

// One track's events; each call appends a delta time and the event's bytes.
// Raw bytes without a status byte use running status.
class MidiTrack {
 public:
  MidiTrack& raw(std::uint32_t delta, std::initializer_list<int> bytes) {
    PutVarLen(delta);
    return append(bytes);
  }
  // Bytes as they are, without a delta time before them.
  MidiTrack& append(std::initializer_list<int> bytes) {
    for (int b : bytes) bytes_.push_back(static_cast<unsigned char>(b));
    return *this;
  }
  MidiTrack& noteOn(std::uint32_t delta, int channel, int note, int velocity = 100) {
    return raw(delta, {0x90 | channel, note, velocity});
  }
  MidiTrack& noteOff(std::uint32_t delta, int channel, int note) {
    return raw(delta, {0x80 | channel, note, 64});
  }
  MidiTrack& program(std::uint32_t delta, int channel, int program) {
    return raw(delta, {0xC0 | channel, program});
  }
  MidiTrack& tempo(std::uint32_t delta, std::uint32_t microsPerQuarter) {
    return raw(delta, {0xFF, 0x51, 3, static_cast<int>(microsPerQuarter >> 16),
                       static_cast<int>(microsPerQuarter >> 8 & 0xFF),
                       static_cast<int>(microsPerQuarter & 0xFF)});
  }
  MidiTrack& end(std::uint32_t delta = 0) { return raw(delta, {0xFF, 0x2F, 0}); }
  const MidiBytes& bytes() const { return bytes_; }

 private:
  void PutVarLen(std::uint32_t value) {
    unsigned char groups[5];
    int n = 0;
    do {
      groups[n++] = static_cast<unsigned char>(value & 0x7F);
      value >>= 7;
    } while (value);
    while (n-- > 0) bytes_.push_back(static_cast<unsigned char>(groups[n] | (n ? 0x80 : 0)));
  }

  MidiBytes bytes_;
};

inline void PutBigEndian(MidiBytes& b, std::uint32_t value, int size) {
  for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
    b.push_back(static_cast<unsigned char>(value >> shift));
}

// division: ticks per quarter note, or (-frames per second << 8 | ticks per frame) for SMPTE time.
inline MidiBytes MidiFile(int format, std::int16_t division, const std::vector<MidiTrack>& tracks) {
  MidiBytes file{'M', 'T', 'h', 'd'};
  PutBigEndian(file, 6, 4);
  PutBigEndian(file, static_cast<std::uint32_t>(format), 2);
  PutBigEndian(file, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBigEndian(file, static_cast<std::uint16_t>(division), 2);
  for (const MidiTrack& track : tracks) {
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian(file, static_cast<std::uint32_t>(track.bytes().size()), 4);
    file.insert(file.end(), track.bytes().begin(), track.bytes().end());
  }
  return file;
}

// SMPTE division: frames per second and ticks per frame.
inline std::int16_t SmpteDivision(int framesPerSecond, int ticksPerFrame) {
  return static_cast<std::int16_t>(
      static_cast<std::uint16_t>((256 - framesPerSecond) << 8 | ticksPerFrame));
}
