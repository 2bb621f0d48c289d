// The audio operations: each finds its stream and hands over to it. Nothing
// thrown inside (an allocation failing) crosses into the program: it becomes
// the operation's failure value.
#include <cmath>

#include "audio/ansi_file.h"
#include "audio/audio.h"
#include "audio/end_notice.h"
#include "audio/engine.h"
#include "audio/memory_reader.h"
#include "audio/open_decoder.h"
#include "audio/test_hooks.h"

namespace {

template <typename Result, typename Body>
Result Guarded(Result failure, Body body) {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

std::shared_ptr<Stream> FindStream(AudioHandle handle) {
  Engine* engine = RunningEngine();
  return engine ? engine->streams.find(handle) : nullptr;
}

std::int64_t FrameBytes(const Stream& stream) {
  return 2 * static_cast<std::int64_t>(stream.format().channels);
}

std::unique_ptr<ByteReader> OpenReader(bool fromMemory, const void* file, std::int64_t offset,
                                       std::int64_t length) {
  if (!file || offset < 0 || length < 0) return nullptr;
  if (!fromMemory) return AnsiFile::Open(static_cast<const char*>(file), offset, length);
  if (length == 0) return nullptr;
  return std::make_unique<MemoryReader>(static_cast<const unsigned char*>(file) + offset,
                                        static_cast<std::size_t>(length));
}

void WakeMixer() {
  if (Engine* engine = RunningEngine()) engine->mixer->wake();
}

bool CanFollow(const std::shared_ptr<Stream>& next, const std::shared_ptr<Stream>& current) {
  return next && next != current && next->neverPlayed();
}

}  // namespace

bool BASS_Init(int device, std::uint32_t frequency, std::uint32_t, void*, const void*) {
  return Guarded(false, [&] { return StartEngine(device, frequency); });
}

// Without BASS_Init there is no output to play to, so creation fails.
AudioHandle BASS_StreamCreateFile(bool fromMemory, const void* file, std::int64_t offset,
                                  std::int64_t length, std::uint32_t) {
  return Guarded<AudioHandle>(0, [&]() -> AudioHandle {
    Engine* engine = RunningEngine();
    if (!engine) return 0;
    // A new track is the moment a listener notices silence: the device, if
    // it was missing, is tried again now rather than at the next periodic try.
    engine->output->retrySoon();
    auto decoder = OpenDecoder(OpenReader(fromMemory, file, offset, length));
    if (!decoder) return 0;
    return engine->streams.add(std::make_shared<Stream>(std::move(decoder), engine->mixer->rate()));
  });
}

bool BASS_ChannelPlay(AudioHandle handle, bool restart) {
  return Guarded(false, [&] {
    auto stream = FindStream(handle);
    if (!stream || !stream->play(restart)) return false;
    WakeMixer();
    return true;
  });
}

bool BASS_ChannelPause(AudioHandle handle) {
  return Guarded(false, [&] {
    auto stream = FindStream(handle);
    return stream && stream->pause();
  });
}

// A freed stream hands over to nothing, and never starts after another.
bool BASS_StreamFree(AudioHandle handle) {
  return Guarded(false, [&] {
    Engine* engine = RunningEngine();
    if (!engine) return false;
    if (auto stream = engine->streams.find(handle)) stream->retire();
    return engine->streams.remove(handle);
  });
}

bool BASS_ChannelSetAttribute(AudioHandle handle, std::uint32_t attribute, float value) {
  return Guarded(false, [&] {
    auto stream = FindStream(handle);
    if (!stream || attribute != kVolumeAttribute || std::isnan(value)) return false;
    stream->setVolume(value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value);
    return true;
  });
}

// The byte position is rounded down to a whole frame of 16-bit samples.
bool BASS_ChannelSetPosition(AudioHandle handle, std::int64_t position, std::uint32_t mode) {
  return Guarded(false, [&] {
    auto stream = FindStream(handle);
    if (!stream || mode != kPositionBytes || position < 0) return false;
    if (!stream->setPosition(position / FrameBytes(*stream))) return false;
    WakeMixer();
    return true;
  });
}

std::uint32_t BASS_ChannelIsActive(AudioHandle handle) {
  return Guarded(kActiveStopped, [&] {
    auto stream = FindStream(handle);
    return stream ? stream->activity() : kActiveStopped;
  });
}

std::int64_t BASS_ChannelGetLength(AudioHandle handle, std::uint32_t mode) {
  return Guarded<std::int64_t>(-1, [&]() -> std::int64_t {
    auto stream = FindStream(handle);
    if (!stream || mode != kPositionBytes) return -1;
    return stream->lengthFrames() * FrameBytes(*stream);
  });
}

std::int64_t BASS_ChannelGetPosition(AudioHandle handle, std::uint32_t mode) {
  return Guarded<std::int64_t>(-1, [&]() -> std::int64_t {
    auto stream = FindStream(handle);
    if (!stream || mode != kPositionBytes) return -1;
    return stream->positionFrames() * FrameBytes(*stream);
  });
}

double BASS_ChannelBytes2Seconds(AudioHandle handle, std::int64_t bytes) {
  return Guarded(-1.0, [&] {
    auto stream = FindStream(handle);
    if (!stream) return -1.0;
    const AudioFormat format = stream->format();
    return static_cast<double>(bytes) / (static_cast<double>(format.rate) * format.channels * 2);
  });
}

bool AudioQueueNext(AudioHandle current, AudioHandle next) {
  return Guarded(false, [&] {
    const auto stream = FindStream(current);
    const auto follower = next ? FindStream(next) : nullptr;
    if (!stream || (next && !CanFollow(follower, stream))) return false;
    if (!stream->queueNext(follower)) return false;
    WakeMixer();
    return true;
  });
}

void AudioNotifyEnds(void* window, unsigned message) {
  Guarded(false, [&] {
    SetEndNotice(window, message);
    return true;
  });
}

void AudioTestForceSilentOutput(bool silent) { ForceSilentOutput(silent); }

void AudioTestShutdown() { StopEngine(); }

bool AudioTestUsesSilentOutput() {
  Engine* engine = RunningEngine();
  return engine && !engine->output->onDevice();
}

void AudioTestUseDeviceOpener(DeviceOpener opener) { UseDeviceOpener(std::move(opener)); }

std::int64_t AudioTestLastStartDelayMicros() { return LastStartDelayMicros(); }
