#include "player/library_transport.h"

// No result but the activity's is examined: a call on a stream that failed
// to open, or on one already freed, fails inside the library and changes
// nothing, and the deck goes on.
void LibraryTransport::create(const std::string& path) {
  stream = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
}

void LibraryTransport::free() { BASS_StreamFree(stream); }
void LibraryTransport::play() { BASS_ChannelPlay(stream, false); }
void LibraryTransport::pause() { BASS_ChannelPause(stream); }

void LibraryTransport::setVolume(float volume) {
  BASS_ChannelSetAttribute(stream, kVolumeAttribute, volume);
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
