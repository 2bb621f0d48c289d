#include "player/library_transport.h"

#include <utility>

// No result but the activity's is examined: a call on a stream that failed
// to open, or on one already freed, fails inside the library and changes
// nothing, and the deck goes on.
void LibraryTransport::create(const std::string& path) {
  stream = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
}

void LibraryTransport::free() {
  dropQueued();
  refused_.clear();
  BASS_StreamFree(stream);
}

// Between the queued stream taking over and the loop adopting it (a pass
// later at most), the sound heard is the queued stream's: a pause must stop
// it, and a resume must not start the ended stream again from its beginning.
void LibraryTransport::play() {
  const bool followed = queuedPlays();
  if (!followed || BASS_ChannelIsActive(stream) != kActiveStopped) BASS_ChannelPlay(stream, false);
  if (followed) BASS_ChannelPlay(queued_, false);
}

void LibraryTransport::pause() {
  BASS_ChannelPause(stream);
  BASS_ChannelPause(queued_);
}

void LibraryTransport::setVolume(float volume) {
  BASS_ChannelSetAttribute(stream, kVolumeAttribute, volume);
  BASS_ChannelSetAttribute(queued_, kVolumeAttribute, volume);
}

void LibraryTransport::setPosition(std::int64_t bytes) {
  BASS_ChannelSetPosition(stream, bytes, kPositionBytes);
}

std::uint32_t LibraryTransport::activity() { return BASS_ChannelIsActive(stream); }

std::int64_t LibraryTransport::lengthBytes() {
  return BASS_ChannelGetLength(stream, kPositionBytes);
}

std::int64_t LibraryTransport::positionBytes() {
  return BASS_ChannelGetPosition(stream, kPositionBytes);
}

double LibraryTransport::seconds(std::int64_t bytes) {
  return BASS_ChannelBytes2Seconds(stream, bytes);
}

bool LibraryTransport::queuedPlays() {
  return queued_ != 0 && BASS_ChannelIsActive(queued_) != kActiveStopped;
}

bool LibraryTransport::queue(const std::string& path, float volume) {
  dropQueued();
  if (refused_.count(path)) return false;
  queued_ = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
  BASS_ChannelSetAttribute(queued_, kVolumeAttribute, volume);
  if (!queued_ || !AudioQueueNext(stream, queued_)) {
    BASS_StreamFree(queued_);
    queued_ = 0;
    refused_.insert(path);
    return false;
  }
  queuedPath_ = path;
  return true;
}

void LibraryTransport::dropQueued() {
  if (!queued_) return;
  AudioQueueNext(stream, 0);
  BASS_StreamFree(queued_);
  queued_ = 0;
  queuedPath_.clear();
}

std::string LibraryTransport::adoptQueued() {
  if (BASS_ChannelIsActive(stream) != kActiveStopped || !queuedPlays()) return {};
  BASS_StreamFree(stream);
  stream = std::exchange(queued_, 0);
  refused_.clear();
  return std::exchange(queuedPath_, {});
}
