#include "player/track_steps.h"

#include <string>

#include "audio/audio.h"
#include "player/start_track.h"
#include "toolkit/gadgets.h"

namespace {

// How far past the selected entry files are tried for the queue: past as
// many that cannot be opened, the automatic advance passes over the rest.
constexpr int kLookAhead = 8;

int SelectedEntry(const DeckProfile& profile) {
  return static_cast<int>(gadgetValue(profile.listGadget));
}

std::string EntryPath(const DeckProfile& profile, int entry) {
  return gadgetCaption(profile.folderGadget) + listItemText(profile.listGadget, entry);
}

// What StartTrack leaves, for a stream that already plays: the entry
// selected, the playing flag set, the volume applied, the record at the
// play speed.
void FollowOn(const Deck& deck, int entry) {
  deck.state.trackIndex = entry;
  setGadgetValue(deck.profile.listGadget, entry);
  deck.transport.setVolume(deck.state.volume);
  setGadgetValue(deck.profile.playingFlagGadget, 1);
  deck.state.spinStep = deck.profile.playSpeed;
}

// The entry the queued file was taken from: the first after the selected
// one with its path (entries that could not be opened lie between).
int EntryOfPath(const Deck& deck, const std::string& path) {
  const int first = SelectedEntry(deck.profile) + 1;
  for (int entry = first; entry < deck.state.trackCount && entry < first + kLookAhead; ++entry)
    if (EntryPath(deck.profile, entry) == path) return entry;
  return -1;
}

}  // namespace

// An unplayable entry leaves no active stream with the flag set, so one call
// per pass skips such entries one after another. The flag stays set at the
// end of the list, where the test repeats without effect.
bool AdvanceWhenEnded(const Deck& deck) {
  if (gadgetValue(deck.profile.playingFlagGadget) == 0) return false;
  if (deck.transport.activity() != kActiveStopped) return false;
  const std::string queued = deck.transport.queuedPath();
  const int queuedEntry = queued.empty() ? -1 : EntryOfPath(deck, queued);
  if (queuedEntry >= 0 && !deck.transport.adoptQueued().empty()) {
    FollowOn(deck, queuedEntry);
    return true;
  }
  deck.state.trackIndex = SelectedEntry(deck.profile) + 1;
  if (deck.state.trackIndex >= deck.state.trackCount) return false;
  setGadgetValue(deck.profile.listGadget, deck.state.trackIndex);
  StartTrack(deck);
  return false;
}

// Asked on every pass: the list's texts are read, and a file is opened only
// when what should follow has changed (a track started, another entry
// selected), since the transport keeps the file queued and the ones refused.
void QueueFollowingEntry(const Deck& deck) {
  if (gadgetValue(deck.profile.playingFlagGadget) == 0) return;
  if (deck.transport.activity() == kActiveStopped) return;
  const int first = SelectedEntry(deck.profile) + 1;
  for (int entry = first; entry < deck.state.trackCount && entry < first + kLookAhead; ++entry) {
    const std::string path = EntryPath(deck.profile, entry);
    if (path == deck.transport.queuedPath() || deck.transport.queue(path, deck.state.volume))
      return;
  }
  deck.transport.dropQueued();
}

// With nothing selected the index reads -1, so next selects the first entry
// and previous finds no entry. While nothing plays only the selection moves.
void StepTrack(const Deck& deck, int step) {
  deck.state.trackIndex = SelectedEntry(deck.profile) + step;
  if (deck.state.trackIndex < 0 || deck.state.trackIndex >= deck.state.trackCount) return;
  setGadgetValue(deck.profile.listGadget, deck.state.trackIndex);
  if (deck.transport.activity() != kActiveStopped) StartTrack(deck);
}
