#pragma once
// The volume slot, followed while the left button is held over it.
#include "profile/deck.h"
#include "profile/pass_input.h"

// Sets volume and volumeKnobX from the pass's cursor when its second reading
// of the left button finds it down, and applies the volume to the stream.
// Call while the cursor is inside the slot.
void FollowVolumeSlot(const Deck& deck, const PassInput& input);

// The volume, its knob and the stream's volume set to the volume, as the
// slot sets them.
void SetVolume(const Deck& deck, float volume);
// The volume stepped by five hundredths of the slot per step, held within the
// volumes the slot gives at its ends.
void StepVolume(const Deck& deck, int steps);
