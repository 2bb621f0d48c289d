#pragma once
// The one global record of deckplayer, read and written by every procedure:
// the deck's shared fields and the overlays only this build draws; beside it
// the transport that owns the stream and what the main loop keeps between
// passes.
#include "deck/deck_accessible.h"
#include "deck/pass.h"
#include "player/library_transport.h"
#include "profile/deck.h"

namespace full {

struct PlayerState : DeckState {
  int powerSwitchX;  // canvas x of the switch's off picture: kPowerSwitchOffX off, kHidden on
  int powerLampX;    // canvas x of the lit lamp: kPowerLampOn on (the sign of power), kHidden off
  int glowCanvasX;   // canvas x of the lit start/stop button: kGlowCanvasX hovered, kHidden not
  int glowGadgetX;   // x of the lit button's gadget: kGlowGadgetX hovered, kHidden not
};

extern PlayerState state;
extern LibraryTransport transport;
extern LoopState loop;
// The three as the shared procedures take them.
extern const Deck deck;
// The deck as screen readers see it.
extern DeckAccessible accessible;

// The values that differ from zero once the toolkit has started.
void GiveInitialValues(PlayerState& s);

}  // namespace full
