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
void AdvanceWhenEnded(const DeckProfile& profile) {
  if (gadgetValue(profile.playingFlagGadget) == 0) return;
  if (BASS_ChannelIsActive(*profile.stream) != kActiveStopped) return;
  *profile.trackIndex = SelectedEntry(profile) + 1;
  if (*profile.trackIndex >= *profile.trackCount) return;
  setGadgetValue(profile.listGadget, *profile.trackIndex);
  StartTrack(profile);
}

// With nothing selected the index reads -1, so next selects the first entry
// and previous finds no entry. While nothing plays only the selection moves.
void StepTrack(const DeckProfile& profile, int step) {
  *profile.trackIndex = SelectedEntry(profile) + step;
  if (*profile.trackIndex < 0 || *profile.trackIndex >= *profile.trackCount) return;
  setGadgetValue(profile.listGadget, *profile.trackIndex);
  if (BASS_ChannelIsActive(*profile.stream) != kActiveStopped) StartTrack(profile);
}
