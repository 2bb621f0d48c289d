#include "player/track_steps.h"

#include "audio/audio.h"
#include "player/start_track.h"
#include "toolkit/gadgets.h"

namespace {

int SelectedEntry(const DeckProfile& profile) {
  return static_cast<int>(gadgetValue(profile.listGadget));
}

}  // namespace

// An unplayable entry leaves no active stream with the flag set, so one call
// per pass skips such entries one after another. The flag stays set at the
// end of the list, where the test repeats without effect.
void AdvanceWhenEnded(const Deck& deck) {
  if (gadgetValue(deck.profile.playingFlagGadget) == 0) return;
  if (deck.transport.activity() != kActiveStopped) return;
  deck.state.trackIndex = SelectedEntry(deck.profile) + 1;
  if (deck.state.trackIndex >= deck.state.trackCount) return;
  setGadgetValue(deck.profile.listGadget, deck.state.trackIndex);
  StartTrack(deck);
}

// With nothing selected the index reads -1, so next selects the first entry
// and previous finds no entry. While nothing plays only the selection moves.
void StepTrack(const Deck& deck, int step) {
  deck.state.trackIndex = SelectedEntry(deck.profile) + step;
  if (deck.state.trackIndex < 0 || deck.state.trackIndex >= deck.state.trackCount) return;
  setGadgetValue(deck.profile.listGadget, deck.state.trackIndex);
  if (deck.transport.activity() != kActiveStopped) StartTrack(deck);
}
