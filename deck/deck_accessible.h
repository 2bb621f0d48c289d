#pragma once
// The deck as a screen reader finds it: each control of the skin and the
// panel with its Russian name, its role, its state and, where it has one, its
// value, at the place the loop tests; the default action is its click, which
// the loop's next pass carries out. Changes are told to screen readers as the
// passes make them.
#include <array>
#include <chrono>
#include <iterator>
#include <string>

#include "deck/pass.h"
#include "profile/deck.h"
#include "toolkit/accessible.h"

class DeckAccessible final : public AccessibleControls {
 public:
  DeckAccessible(const Deck& deck, LoopState& loop) : deck_(deck), loop_(loop) {}

  int count() override;
  AccessibleControl control(int index) override;
  void click(int index) override;
  int focused() override;

  // At the end of a pass: the focus, the states and the values that changed
  // since the last pass told, the fader's position at most once a second, so
  // a reader does not chatter through a playing track.
  void TellChanges(DeckClock::time_point now);

 private:
  static constexpr int kControls = static_cast<int>(std::size(kFocusOrder));
  // What screen readers were last told; nothing before the first pass.
  struct Told {
    bool any = false;
    int focused = -1;
    std::array<long, kControls> states{};
    std::string volume, position;
    DeckClock::time_point positionAt{};
  };

  void TellStates();
  void TellValue(DeckControl control, std::string& told);

  const Deck& deck_;
  LoopState& loop_;
  Told told_;
};
