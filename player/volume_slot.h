#pragma once
// The volume slot, followed while the left button is held over it.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// Sets volume and volumeKnobX from the cursor when the left button is down
// and applies the volume to the current stream. Call while the cursor is
// inside the slot.
void FollowVolumeSlot(DeckState& state, const DeckProfile& profile);
