#pragma once
// The 55 ms tick: length and position of the stream, the seek-bar marker,
// the time labels, the volume knob and the window title.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

void UpdateTimeDisplay(DeckState& state, const DeckProfile& profile);
