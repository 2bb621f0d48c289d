#pragma once
// Plays the selected entry of the track list.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// Frees the current stream and starts the selected entry of the build's
// list; the record spins at the build's play speed afterwards.
void StartTrack(DeckState& state, const DeckProfile& profile);
