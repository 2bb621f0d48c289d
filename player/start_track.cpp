#include "player/start_track.h"

#include <string>

#include "audio/audio.h"
#include "toolkit/gadgets.h"

// The folder label already ends in a separator, or is empty so that the entry
// opens relative to the working directory; nothing is inserted between them.
// Creation failures are not examined: the playing flag is set all the same,
// so the next pass finds the stream inactive and moves on to the next entry.
void StartTrack(const DeckProfile& profile) {
  BASS_StreamFree(*profile.stream);
  const std::string path =
      gadgetCaption(profile.folderGadget) + gadgetCaption(profile.listGadget);
  if (!path.empty()) {
    *profile.stream = BASS_StreamCreateFile(false, path.c_str(), 0, 0, 0);
    BASS_ChannelPlay(*profile.stream, false);
    setGadgetValue(profile.playingFlagGadget, 1);
    BASS_ChannelSetAttribute(*profile.stream, kVolumeAttribute, *profile.volume);
  }
  *profile.spinStep = profile.playSpeed;
}
