#pragma once
// Moving through the track list: the automatic advance, previous and next.
#include "profile/deck.h"

// Starts the entry after the selected one once the playing flag is set and
// the stream has stopped; at the end of the list nothing happens.
void AdvanceWhenEnded(const Deck& deck);

// Selects the entry `step` places from the selected one (-1 previous, +1
// next) when it exists, and starts it if a stream is active.
void StepTrack(const Deck& deck, int step);
