#pragma once
// The track-list panel slides out by growing window 0's client area from
// kClosedHeight to kOpenHeight rows (the deck's layout), and back in by
// shrinking it; panelOpen says which way.
#include "profile/deck_state.h"

// Always 0.
int SlidePanel(const DeckState& state);
