#include "player/folder_scan.h"

#include <string>

#include "toolkit/files.h"
#include "toolkit/gadgets.h"
#include "toolkit/text.h"

namespace {

// Only the last four bytes count, so "x.midi" and "x.mp3.bak" stay out and a
// sub-folder named "old.mp3" is listed like a file.
bool IsTrackName(const std::string& name) {
  const std::string ext = lowerCase(rightChars(name, 4));
  return ext == ".wav" || ext == ".mp3" || ext == ".mid";
}

void AddIfTrack(DeckState& state, const DeckProfile& profile, const std::string& name) {
  if (name == "." || name == "..") return;
  if (!IsTrackName(name)) return;
  insertListItem(profile.listGadget, -1, name);
  ++state.trackCount;
}

}  // namespace

// The selection is asked for after every fetch. The emptied list has no
// selection, and LB_SETCURSEL beyond its end gives it none, so the wanted
// entry is selected once it has been appended, or never. A listing that
// cannot be opened (a missing folder) leaves the list empty; the folder
// label keeps the folder anyway, and StartTrack then fails harmlessly.
void ScanFolder(DeckState& state, const DeckProfile& profile) {
  state.trackCount = 0;
  const std::string folder = folderPart(state.folderPath);
  setGadgetCaption(profile.folderGadget, folder);
  clearList(profile.listGadget);
  if (!openListing(kTrackListing, folder, "*.*")) return;
  bool fetched = false;
  do {
    fetched = nextListingEntry(kTrackListing) != 0;
    if (fetched) AddIfTrack(state, profile, listingEntryName(kTrackListing));
    setGadgetValue(profile.listGadget, profile.scanSelectsTrackIndex ? state.trackIndex : 0);
  } while (fetched);
}
