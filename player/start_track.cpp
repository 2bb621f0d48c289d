#include "player/start_track.h"

#include <string>

#include "toolkit/gadgets.h"

// The folder label already ends in a separator, or is empty so that the entry
// opens relative to the working directory; nothing is inserted between them.
// Creation failures are not examined: the playing flag is set all the same,
// so the next pass finds the stream inactive and moves on to the next entry.
// The volume is set before the play request, so the mixer, which the request
// wakes, decodes the first block at that volume already.
void StartTrack(const Deck& deck) {
  const DeckProfile& profile = deck.profile;
  deck.transport.free();
  const std::string path = gadgetCaption(profile.folderGadget) + gadgetCaption(profile.listGadget);
  if (!path.empty()) {
    deck.transport.create(path);
    deck.transport.setVolume(deck.state.volume);
    deck.transport.play();
    setGadgetValue(profile.playingFlagGadget, 1);
  }
  deck.state.spinStep = profile.playSpeed;
}
