// The one audio thread: services every stream, mixes the playing ones into
// blocks and hands them to the output, never making the program's thread wait.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/output.h"
#include "audio/stream_table.h"

class Mixer {
 public:
  Mixer(std::unique_ptr<Output> output, StreamTable& streams);
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  bool start();
  // Called after a play request, so the first block goes out without waiting.
  void wake();
  std::uint32_t rate() const { return output_->rate(); }

 private:
  void run();
  void pass();
  bool serviceStreams();
  void mixBlock();
  void mixFrom(std::shared_ptr<Stream> stream);
  void note(const Stream::Step& step);
  void announceEnds();
  std::chrono::microseconds waitFor(bool active);
  void idle(std::chrono::microseconds wait);

  std::unique_ptr<Output> output_;
  StreamTable& streams_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wakeUp_;
  bool stop_ = false;
  bool woken_ = false;
  std::vector<std::shared_ptr<Stream>> snapshot_;
  std::vector<float> mix_;
  std::vector<std::int16_t> pcm_;
  std::int64_t written_ = 0;
  int ends_ = 0;  // ends and hand-overs not yet announced to the program
};
