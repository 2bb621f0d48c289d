#pragma once
// Plays the selected entry of the track list.
#include "profile/deck.h"

// Frees the current stream and starts the selected entry of the build's
// list; the record spins at the build's play speed afterwards.
void StartTrack(const Deck& deck);
