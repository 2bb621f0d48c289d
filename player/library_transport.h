#pragma once
// The transport of the programs: the streams are the audio library's.
#include <set>

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
  bool queue(const std::string& path, float volume) override;
  void dropQueued() override;
  std::string queuedPath() override { return queuedPath_; }
  std::string adoptQueued() override;

  // The library's handle; a freed one stays here, and calls on it fail harmlessly.
  AudioHandle stream = 0;

 private:
  bool queuedPlays();

  AudioHandle queued_ = 0;
  std::string queuedPath_;
  std::set<std::string> refused_;  // files that did not open or queue since the stream began
};
