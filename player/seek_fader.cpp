#include "player/seek_fader.h"

#include "audio/audio.h"
#include "player/control_arithmetic.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"

// No state is tested: the seek acts while paused and on a freed stream too,
// where the audio library refuses it. The lowest rows ask for a negative
// position, which the library refuses as well, so playback goes on.
void SeekFromClick(DeckState& state, const DeckProfile& profile) {
  state.seekClickY = cursorY(kMainWindow);
  state.seekPercent = SeekPercentAt(state.seekClickY, gadgetTop(profile.seekGadget));
  state.seekBytes = SeekBytesFor(state.seekPercent, state.lengthBytes);
  BASS_ChannelSetPosition(state.stream, state.seekBytes, kPositionBytes);
}
