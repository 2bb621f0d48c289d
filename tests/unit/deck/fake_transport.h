#pragma once
// A transport that plays nothing: it writes down what the deck asks of it
// and answers with the activity the test gives it.
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "profile/transport.h"

class FakeTransport final : public Transport {
 public:
  void create(const std::string& path) override { calls.push_back("create " + path); }
  void free() override {
    calls.push_back("free");
    queued.clear();
  }
  void play() override { calls.push_back("play"); }
  void pause() override { calls.push_back("pause"); }
  void setVolume(float volume) override { calls.push_back("volume " + std::to_string(volume)); }
  void setPosition(std::int64_t bytes) override {
    calls.push_back("position " + std::to_string(bytes));
  }
  std::uint32_t activity() override { return active; }
  std::int64_t lengthBytes() override { return length; }
  std::int64_t positionBytes() override { return position; }
  double seconds(std::int64_t bytes) override {
    return length < 0 ? -1.0 : static_cast<double>(bytes) / kBytesPerSecond;
  }
  bool queue(const std::string& path, float) override {
    calls.push_back("queue " + path);
    if (unplayable.count(path)) return false;
    queued = path;
    return true;
  }
  void dropQueued() override {
    if (!queued.empty()) calls.push_back("drop");
    queued.clear();
  }
  std::string queuedPath() override { return queued; }
  std::string adoptQueued() override {
    if (!followed) return {};
    calls.push_back("adopt");
    followed = false;
    active = 1;
    return std::exchange(queued, {});
  }

  static constexpr std::int64_t kBytesPerSecond = 44100 * 4;  // 16-bit stereo

  std::vector<std::string> calls;
  std::uint32_t active = 0;
  std::int64_t length = -1, position = -1;
  std::string queued;
  std::set<std::string> unplayable;
  bool followed = false;  // the queued stream has taken over from the ended one
};
