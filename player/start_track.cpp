#include "player/start_track.h"

#include <string>

#include "audio/audio.h"
#include "toolkit/gadgets.h"

// The folder label already ends in a separator, or is empty so that the entry
// opens relative to the working directory; nothing is inserted between them.
// Creation failures are not examined: the playing flag is set all the same,
// so the next pass finds the stream inactive and moves on to the next entry.
// The volume is set before the play request, so the mixer, which the request
// wakes, decodes the first block at that volume already.
void StartTrack(DeckState& state, const DeckProfile& profile) {
  BASS_StreamFree(state.stream);
  const std::string path = gadgetCaption(profile.folderGadget) + gadgetCaption(profile.listGadget);
  if (!path.empty()) {
    state.stream = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
    BASS_ChannelSetAttribute(state.stream, kVolumeAttribute, state.volume);
    BASS_ChannelPlay(state.stream, false);
    setGadgetValue(profile.playingFlagGadget, 1);
  }
  state.spinStep = profile.playSpeed;
}
