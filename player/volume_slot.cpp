#include "player/volume_slot.h"

#include "player/control_arithmetic.h"
#include "profile/deck_layout.h"
#include "toolkit/gadgets.h"

// Only the second reading of the button counts, so a press that has since
// been released moves nothing. Dragged past the slot's edge the volume stops
// following, because the caller stops calling once the cursor leaves the slot.
void FollowVolumeSlot(const Deck& deck, const PassInput& input) {
  if (!input.leftButton) return;
  DeckState& state = deck.state;
  const int slotLeft = gadgetLeft(deck.profile.volumeGadget);
  state.volumeKnobX = KnobXAt(input.mouseX, slotLeft);
  state.volume = VolumeAt(input.mouseX, slotLeft, kDeck.volumeSlot.width);
  deck.transport.setVolume(state.volume);
}
