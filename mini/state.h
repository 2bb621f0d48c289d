#pragma once
// The one global record of deckplayer-mini, read and written by every
// procedure: the deck's shared fields and the ones only this build keeps.
#include <string>

#include "profile/deck_state.h"

namespace mini {

struct PlayerState : DeckState {
  int motorState;  // kMotorOn while the power is on (the sign that the motor runs), kMotorOff off
  std::string positionText;  // the remembered "Позиция" as read
  int pausedSkinX;           // canvas x of the paused skin: kSkinShown while paused, else kSkinAway
  int playingSkinX;  // canvas x of the playing skin: kSkinAway while paused, else kSkinShown
};

extern PlayerState state;

// The values that differ from zero once the toolkit has started.
void GiveInitialValues(PlayerState& s);

}  // namespace mini
