#pragma once
// The steps of both main loops, each once: the deck's controls, the
// reactions to the pass's event, the record's frame and the loop itself.
// What differs between the builds is the profile's data and the three
// pictures each build shows its own way (DeckLooks).
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// The pictures that follow the power, the hover over the start/stop button
// and the pause, where one build moves canvas overlays and the other swaps
// gadget images. Each is called after the state field it shows has changed.
struct DeckLooks {
  void (*showPower)();                // powerOn flipped
  void (*showStartButton)(bool lit);  // on every pass while the power is on
  void (*showPause)();                // paused flipped; null where nothing more shows it
};

// The power switch: a click flips powerOn; switching on sets the powered
// speed, switching off silences the deck.
void HandlePowerSwitch(DeckState& state, const DeckProfile& profile, const DeckLooks& looks);
// The controls that respond while the power is on, in their order: the
// start/stop button, the volume slot, the fader's hand, previous and next,
// the tonearm lift.
void HandleDeckControls(DeckState& state, const DeckProfile& profile, const DeckLooks& looks);
// Turns the record by spinStep and shows the new frame in the canvas gadget.
void TurnAndDraw(DeckState& state, const DeckProfile& profile);
// A double-click on the list, or a click on the panel's links or the fader.
void ReactToEvent(DeckState& state, const DeckProfile& profile, const DeckLooks& looks);
// Pauses or resumes the stream, with the tonearm, the speed and the backdrop.
void TogglePause(DeckState& state, const DeckProfile& profile, const DeckLooks& looks);
// Runs passes until the window is asked to close.
void RunUntilClosed(const DeckState& state, void (*runPass)());
