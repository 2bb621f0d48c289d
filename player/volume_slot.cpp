#include "player/volume_slot.h"

#include <windows.h>

#include "audio/audio.h"
#include "player/control_arithmetic.h"
#include "profile/deck_layout.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"

namespace {

// The low bit of the first GetAsyncKeyState answer may still report a press
// made and released since the previous call; the second answer tells whether
// the button is down now.
bool LeftButtonDown() {
  GetAsyncKeyState(VK_LBUTTON);
  return GetAsyncKeyState(VK_LBUTTON) != 0;
}

}  // namespace

// The cursor is read again: the pass's sample may be older than the button
// state. Dragged past the slot's edge the volume stops following, because
// the caller stops calling once the cursor leaves the slot.
void FollowVolumeSlot(DeckState& state, const DeckProfile& profile) {
  if (!LeftButtonDown()) return;
  state.mouseX = cursorX(kMainWindow);
  const int slotLeft = gadgetLeft(profile.volumeGadget);
  state.volumeKnobX = KnobXAt(state.mouseX, slotLeft);
  state.volume = VolumeAt(state.mouseX, slotLeft, kDeck.volumeSlot.width);
  BASS_ChannelSetAttribute(state.stream, kVolumeAttribute, state.volume);
}
