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
void AdvanceWhenEnded(DeckState& state, const DeckProfile& profile) {
  if (gadgetValue(profile.playingFlagGadget) == 0) return;
  if (BASS_ChannelIsActive(state.stream) != kActiveStopped) return;
  state.trackIndex = SelectedEntry(profile) + 1;
  if (state.trackIndex >= state.trackCount) return;
  setGadgetValue(profile.listGadget, state.trackIndex);
  StartTrack(state, profile);
}

// With nothing selected the index reads -1, so next selects the first entry
// and previous finds no entry. While nothing plays only the selection moves.
void StepTrack(DeckState& state, const DeckProfile& profile, int step) {
  state.trackIndex = SelectedEntry(profile) + step;
  if (state.trackIndex < 0 || state.trackIndex >= state.trackCount) return;
  setGadgetValue(profile.listGadget, state.trackIndex);
  if (BASS_ChannelIsActive(state.stream) != kActiveStopped) StartTrack(state, profile);
}
