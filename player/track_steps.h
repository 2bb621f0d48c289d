#pragma once
// Moving through the track list: the automatic advance, the entry queued to
// follow without a gap, previous and next.
#include "profile/deck.h"

// Once the playing flag is set and the stream has stopped: when the entry
// queued to follow has taken over, it becomes the playing entry without
// being started again; otherwise the entry after the selected one starts.
// At the end of the list nothing happens. Whether the list moved on with
// the sound, the queued entry already playing.
bool AdvanceWhenEnded(const Deck& deck);

// While a track plays, the entry after the selected one is queued to follow
// it on the sample after its last; one that cannot be opened is passed over
// for the one after it, and after the last entry nothing is queued.
void QueueFollowingEntry(const Deck& deck);

// Selects the entry `step` places from the selected one (-1 previous, +1
// next) when it exists, and starts it if a stream is active.
void StepTrack(const Deck& deck, int step);
