#include "player/seek_fader.h"

#include "player/control_arithmetic.h"
#include "toolkit/gadgets.h"

// No state is tested: the seek acts while paused and on a freed stream too,
// where the audio library refuses it. The lowest rows ask for a negative
// position, which the library refuses as well, so playback goes on.
void SeekFromClick(const Deck& deck, const PassInput& input) {
  const int percent = SeekPercentAt(input.mouseY, gadgetTop(deck.profile.seekGadget));
  deck.transport.setPosition(SeekBytesFor(percent, deck.state.lengthBytes));
}
