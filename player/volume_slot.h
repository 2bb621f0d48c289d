#pragma once
// The volume slot, followed while the left button is held over it.
#include "profile/deck.h"
#include "profile/pass_input.h"

// Sets volume and volumeKnobX from the pass's cursor when its second reading
// of the left button finds it down, and applies the volume to the stream.
// Call while the cursor is inside the slot.
void FollowVolumeSlot(const Deck& deck, const PassInput& input);
