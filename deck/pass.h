#pragma once
// Steps that every pass of both main loops takes the same way.
#include <string>

#include "deck/frame_pacing.h"
#include "deck/keyboard.h"
#include "deck/record_motion.h"
#include "profile/deck.h"
#include "profile/hit_rect.h"
#include "profile/pass_input.h"

// What a main loop keeps from one pass to the next besides the deck: the
// input of the pass that runs, the record's clock and the frame shown, the
// keyboard's focus, and what the next pass takes as if handed to it: a
// click a screen reader asked for, the file named on the command line.
struct LoopState {
  PassInput input;
  RecordClock record;
  ShownFrame shown;
  FramePacing pacing;
  KeyboardState keys;
  DeckControl pendingClick = DeckControl::None;
  std::string pendingFile;
};

// Takes at most one event without waiting, then the rest of the pass's
// input, and clocks the record's turn since the previous pass.
void BeginPass(const Deck& deck, LoopState& loop);
// Whether the pass's cursor lies over the rectangle; shows the hand there.
bool CursorOver(const PassInput& input, const HitRect& rect);
bool StreamActive(const Deck& deck);
// Whether the controls that answer only while the power is on answer now.
bool PowerIsOn(const Deck& deck);
// Switching the power off, alike in both programs around their own
// pictures: the stream goes, the record stops, an open panel slides shut and
// no track counts as playing any more, so nothing advances.
void PowerDown(const Deck& deck);
// A double-click message keeps the gadget of the latest gadget event, so a
// double-click on the list (whose first click raised its event) plays the
// entry. Whether the pass's event was that.
bool PlayOnListDoubleClick(const Deck& deck, const PassInput& input);
