// One open stream: its decoder and its playback state. The program's thread
// changes the state under a short lock that the mixer never holds while it
// decodes; decoding, seeking and mixing happen on the mixer thread.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>

#include "audio/decoder.h"
#include "audio/gain_ramp.h"
#include "audio/position_map.h"
#include "audio/stream_feed.h"

class Stream {
 public:
  // What a call on the mixer thread did: the frames it mixed, whether the
  // stream ended, and the stream queued after it, started, once it handed over.
  struct Step {
    std::size_t frames = 0;
    bool ended = false;
    std::shared_ptr<Stream> follower;
    bool noticed() const { return ended || follower != nullptr; }
  };

  Stream(std::unique_ptr<Decoder> decoder, std::uint32_t outputRate);

  AudioFormat format() const { return format_; }
  bool play(bool restart);
  bool pause();
  void setVolume(float volume);
  bool setPosition(std::int64_t frame);
  // Null drops what was queued; false once the stream has ended or handed over.
  bool queueNext(const std::shared_ptr<Stream>& next);
  // The handle was freed: nothing queued plays after it, and it never starts as a follower.
  void retire();
  bool neverPlayed() const;
  std::uint32_t activity() const;
  std::int64_t positionFrames() const;
  std::int64_t lengthFrames() const;

  // Mixer thread: carries out a requested seek, then publishes the frame being
  // heard and notices the end once its last frame has been played out.
  Step service(std::int64_t playedFrames, std::int64_t writtenFrames);
  bool wantsAudio() const;
  // Mixer thread: adds the next frames of the stream to a stereo block, each
  // output frame once however often it is asked.
  Step mixInto(float* mix, std::size_t frames, std::int64_t outputStart);
  // Mixer thread: ends the stream where it is, after its decoding failed.
  Step abandon();

 private:
  enum class State { Stopped, Playing, Paused };
  using Clock = std::chrono::steady_clock;
  struct Plan;

  void seekIfAsked(std::int64_t writtenFrames);
  bool publish(std::int64_t heard, std::int64_t playedFrames);
  Plan planBlock(std::size_t frames);
  std::size_t mixFrames(float* mix, const Plan& plan, std::int64_t outputStart);
  std::shared_ptr<Stream> takeFollower();
  bool startAsFollower();
  void noteStartDelay(bool stampPending, Clock::time_point playAt);

  mutable std::mutex mutex_;
  State state_ = State::Stopped;
  bool ended_ = false;
  bool played_ = false;
  bool retired_ = false;
  bool handedOver_ = false;
  bool fadeIn_ = false;
  bool fadeOut_ = false;
  bool joins_ = false;
  bool stampPending_ = false;
  Clock::time_point playAt_;
  std::int64_t seekTo_ = -1;
  std::int64_t heard_ = 0;
  std::int64_t length_;
  float volume_ = 1.0f;
  std::weak_ptr<Stream> next_;

  std::unique_ptr<Decoder> decoder_;
  AudioFormat format_;
  StreamFeed feed_;
  GainRamp ramp_;
  PositionMap positions_;
  std::vector<float> block_;
  bool drained_ = false;
  std::int64_t mixedTo_ = 0;  // the output frame after the last block offered
};

// Microseconds from the latest play request to its first frame being mixed; -1 before.
std::int64_t LastStartDelayMicros();
