#pragma once
// One program's deck as the shared procedures work on it: its model (the
// state record), the transport that owns its stream, and its build's numbers.
// A step that takes a const Deck& still changes the state and the stream:
// the bundle is fixed, not what it names.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"
#include "profile/transport.h"

struct Deck {
  DeckState& state;
  Transport& transport;
  const DeckProfile& profile;
};
