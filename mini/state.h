#pragma once
// The one global record of deckplayer-mini, read and written by every
// procedure: the deck's shared fields and the ones only this build keeps;
// beside it the transport that owns the stream and what the main loop keeps
// between passes.
#include <string>

#include "deck/deck_accessible.h"
#include "deck/pass.h"
#include "player/library_transport.h"
#include "profile/deck.h"

namespace mini {

struct PlayerState : DeckState {
  int motorState;  // kMotorOn while the power is on (the sign that the motor runs), kMotorOff off
  std::string positionText;  // the remembered "Позиция" as read
  int pausedSkinX;           // canvas x of the paused skin: kSkinShown while paused, else kSkinAway
  int playingSkinX;  // canvas x of the playing skin: kSkinAway while paused, else kSkinShown
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

}  // namespace mini
