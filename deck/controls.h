#pragma once
// The steps of both main loops that act on the deck's controls and on the
// pass's event, each once. What differs between the builds is the profile's
// data and the three pictures each build shows its own way (DeckLooks).
#include "profile/deck.h"
#include "profile/deck_control.h"
#include "profile/pass_input.h"

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
void HandlePowerSwitch(const Deck& deck, const DeckLooks& looks, const PassInput& input);
// The controls that respond while the power is on, in their order: the
// start/stop button, the volume slot, the fader's hand, previous and next,
// the tonearm lift.
void HandleDeckControls(const Deck& deck, const DeckLooks& looks, const PassInput& input);
// A double-click on the list, or a click on the panel's links or the fader.
void ReactToEvent(const Deck& deck, const DeckLooks& looks, const PassInput& input);
// Pauses or resumes the stream, with the tonearm, the speed and the backdrop.
void TogglePause(const Deck& deck, const DeckLooks& looks);
// A click on a control made other than by the pointer over it (a key, a
// screen reader): the steps of the pointer's click, and nothing where that
// click would do nothing, so the controls that answer only while the power
// is on (`powered`) do not answer otherwise. The sliders have no click of
// their own, and the track list's is its double-click.
void ClickControl(const Deck& deck, const DeckLooks& looks, DeckControl control, bool powered);
