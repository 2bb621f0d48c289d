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

void SetVolume(const Deck& deck, float volume) {
  const int slotLeft = gadgetLeft(deck.profile.volumeGadget);
  deck.state.volume = volume;
  deck.state.volumeKnobX = KnobXAt(ColumnFor(volume, slotLeft, kDeck.volumeSlot.width), slotLeft);
  deck.transport.setVolume(volume);
}

void StepVolume(const Deck& deck, int steps) {
  const int slotLeft = gadgetLeft(deck.profile.volumeGadget);
  const int width = kDeck.volumeSlot.width;
  const float lowest = VolumeAt(kDeckRects.volumeSlot.left, slotLeft, width);
  const float highest = VolumeAt(kDeckRects.volumeSlot.right, slotLeft, width);
  SetVolume(deck, SteppedVolume(deck.state.volume, steps, lowest, highest));
}
