#pragma once
// Seeking from a click on the fader.
#include "player/deck.h"

// Moves the current stream to the position of the clicked row of the fader.
void SeekFromClick(const DeckProfile& profile);
