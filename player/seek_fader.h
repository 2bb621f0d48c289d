#pragma once
// Seeking from a click on the fader.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// Moves the current stream to the position of the clicked row of the fader.
void SeekFromClick(DeckState& state, const DeckProfile& profile);
