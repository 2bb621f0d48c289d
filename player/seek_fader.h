#pragma once
// Seeking from a click on the fader.
#include "profile/deck.h"
#include "profile/pass_input.h"

// Moves the stream to the position of the fader's row under the pass's cursor.
void SeekFromClick(const Deck& deck, const PassInput& input);
