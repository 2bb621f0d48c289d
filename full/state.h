#pragma once
// The one global record of deckplayer, read and written by every procedure:
// the deck's shared fields and the overlays only this build draws.
#include "profile/deck_state.h"

namespace full {

struct PlayerState : DeckState {
  int powerSwitchX;  // canvas x of the switch's off picture: -6 off, -100 on
  int powerLampX;    // canvas x of the lit lamp: 272 on (the sign that the power is on), -100 off
  int glowCanvasX;   // canvas x of the lit start/stop button: -20 hovered, -100 not
  int glowGadgetX;   // x of the lit button's gadget: 10 hovered, -100 not
};

extern PlayerState state;

// The values that differ from zero once the toolkit has started.
void GiveInitialValues(PlayerState& s);

}  // namespace full
