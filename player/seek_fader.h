#pragma once
// Seeking from a click on the fader.
#include "profile/deck.h"
#include "profile/pass_input.h"

// Moves the stream to the position of the fader's row under the pass's cursor.
void SeekFromClick(const Deck& deck, const PassInput& input);

// Moves the stream by whole seconds, held within the track: back to its
// beginning at most, forward to its last frame, where it ends.
void SeekBy(const Deck& deck, int seconds);
