#include "player/seek_fader.h"

#include "audio/audio.h"
#include "player/control_arithmetic.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"

// No state is tested: the seek acts while paused and on a freed stream too,
// where the audio library refuses it. The lowest rows ask for a negative
// position, which the library refuses as well, so playback goes on.
void SeekFromClick(const DeckProfile& profile) {
  *profile.seekClickY = cursorY(kMainWindow);
  *profile.seekPercent = SeekPercentAt(*profile.seekClickY, gadgetTop(profile.seekGadget));
  *profile.seekBytes = SeekBytesFor(*profile.seekPercent, *profile.lengthBytes);
  BASS_ChannelSetPosition(*profile.stream, *profile.seekBytes, kPositionBytes);
}
