#pragma once
// A transport that plays nothing: it writes down what the deck asks of it
// and answers with the activity the test gives it.
#include <cstdint>
#include <string>
#include <vector>

#include "profile/transport.h"

class FakeTransport final : public Transport {
 public:
  void create(const std::string& path) override { calls.push_back("create " + path); }
  void free() override { calls.push_back("free"); }
  void play() override { calls.push_back("play"); }
  void pause() override { calls.push_back("pause"); }
  void setVolume(float volume) override { calls.push_back("volume " + std::to_string(volume)); }
  void setPosition(std::int64_t bytes) override {
    calls.push_back("position " + std::to_string(bytes));
  }
  std::uint32_t activity() override { return active; }
  std::int64_t lengthBytes() override { return -1; }
  std::int64_t positionBytes() override { return -1; }
  double seconds(std::int64_t) override { return -1.0; }

  std::vector<std::string> calls;
  std::uint32_t active = 0;
};
