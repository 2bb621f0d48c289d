#pragma once
// The deck's sound. Every call the deck makes on the stream it plays goes
// through one transport, which owns the stream: the programs hand their
// steps the audio library's, and the steps' tests hand them a fake one.
#include <cstdint>
#include <string>

class Transport {
 public:
  virtual ~Transport() = default;

  // Opens the file as the stream, playing nothing yet; a file that cannot be
  // opened leaves no stream, and every call below then does nothing.
  virtual void create(const std::string& path) = 0;
  virtual void free() = 0;
  // Plays on from where the stream stopped (a stream that ended starts again).
  virtual void play() = 0;
  virtual void pause() = 0;
  virtual void setVolume(float volume) = 0;
  virtual void setPosition(std::int64_t bytes) = 0;
  // 0 stopped (ended, freed or never opened), 1 playing, 3 paused.
  virtual std::uint32_t activity() = 0;
  // Byte counts of 16-bit PCM in the stream's own format; -1 without a stream.
  virtual std::int64_t lengthBytes() = 0;
  virtual std::int64_t positionBytes() = 0;
  // Negative without a stream.
  virtual double seconds(std::int64_t bytes) = 0;
};
