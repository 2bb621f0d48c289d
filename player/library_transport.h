#pragma once
// The transport of the programs: the stream is the audio library's.
#include "audio/audio.h"
#include "profile/transport.h"

class LibraryTransport final : public Transport {
 public:
  void create(const std::string& path) override;
  void free() override;
  void play() override;
  void pause() override;
  void setVolume(float volume) override;
  void setPosition(std::int64_t bytes) override;
  std::uint32_t activity() override;
  std::int64_t lengthBytes() override;
  std::int64_t positionBytes() override;
  double seconds(std::int64_t bytes) override;

  // The library's handle; a freed one stays here, and calls on it fail harmlessly.
  AudioHandle stream = 0;
};
