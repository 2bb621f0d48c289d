#pragma once
// The deck's sound. Every call the deck makes on the stream it plays goes
// through one transport, which owns the stream and the one queued to follow
// it: the programs hand their steps the audio library's, and the steps'
// tests hand them a fake one.
#include <cstdint>
#include <string>

class Transport {
 public:
  virtual ~Transport() = default;

  // Opens the file as the stream, playing nothing yet; a file that cannot be
  // opened leaves no stream, and every call below then does nothing.
  virtual void create(const std::string& path) = 0;
  // Frees the stream and the one queued to follow it.
  virtual void free() = 0;
  // Pause and play act on whatever is heard: the stream, or the one that
  // has just followed it. Play goes on from where the sound stopped (a
  // stream that ended starts again).
  virtual void play() = 0;
  virtual void pause() = 0;
  // The stream's volume, and the queued one's.
  virtual void setVolume(float volume) = 0;
  virtual void setPosition(std::int64_t bytes) = 0;
  // 0 stopped (ended, freed or never opened), 1 playing, 3 paused.
  virtual std::uint32_t activity() = 0;
  // Byte counts of 16-bit PCM in the stream's own format; -1 without a stream.
  virtual std::int64_t lengthBytes() = 0;
  virtual std::int64_t positionBytes() = 0;
  // Negative without a stream.
  virtual double seconds(std::int64_t bytes) = 0;

  // Opens the file now and queues it at the volume to follow the stream on
  // the sample after its last, replacing what was queued. False when it
  // cannot be opened or queued; a file that failed is not tried again until
  // the stream is freed.
  virtual bool queue(const std::string& path, float volume) = 0;
  virtual void dropQueued() = 0;
  // The file queued, empty for none.
  virtual std::string queuedPath() = 0;
  // Once the stream has ended and the queued one plays on in its place, the
  // queued one becomes the stream: its file, or empty when nothing took over.
  virtual std::string adoptQueued() = 0;
};
