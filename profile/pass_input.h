#pragma once
// What one pass of a main loop acts on, taken once as the pass begins: the
// steps read it and never ask the platform again, so a test hands them plain
// values.
#include <chrono>
#include <string>

#include "profile/deck_control.h"
#include "toolkit/events.h"

using DeckClock = std::chrono::steady_clock;

struct PassInput {
  int event = kNoEvent;            // the event fetched, kNoEvent when none was pending
  int sourceGadget = 0;            // the latest gadget event's gadget, kept across other events
  int eventKind = kNoGadgetEvent;  // the type of this pass's gadget event
  int mouseX = -1, mouseY = -1;    // the cursor in window 0, -1 outside its client area
  // The left button's asynchronous state, asked twice in a row: a press made
  // and released since the previous question shows only in the first answer,
  // so the second one tells whether the button is held.
  bool leftButtonFirst = false;
  bool leftButton = false;
  DeckClock::time_point now{};  // when the pass began
  // A key pressed: its virtual key (a media key for a command or a hot key),
  // 0 for none; the modifiers held with it (toolkit/keys.h); and the gadget
  // it was typed in, -1 for none.
  int key = 0;
  int keyModifiers = 0;
  int keyGadget = -1;
  std::string handedFile;                 // dropped on the window or passed on by another start
  DeckControl click = DeckControl::None;  // clicked by a screen reader's default action

  bool LeftClick() const { return eventKind == kLeftClick; }
};
