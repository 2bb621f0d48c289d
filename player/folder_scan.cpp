#include "player/folder_scan.h"

#include <string>
#include <utility>
#include <vector>

#include "toolkit/files.h"
#include "toolkit/gadgets.h"
#include "toolkit/text.h"

// Only the last four bytes count, so "x.midi" and "x.mp3.bak" stay out and a
// sub-folder named "old.mp3" is listed like a file.
bool IsTrackName(const std::string& name) {
  const std::string ext = lowerCase(rightChars(name, 4));
  return ext == ".wav" || ext == ".mp3" || ext == ".mid";
}

namespace {

// The listing's matching names in the system's order; "." and ".." never
// end in a track suffix, but they are named here so that no reader wonders.
std::vector<std::string> ListTracks() {
  std::vector<std::string> tracks;
  while (nextListingEntry(kTrackListing)) {
    std::string name = listingEntryName(kTrackListing);
    if (name == "." || name == ".." || !IsTrackName(name)) continue;
    tracks.push_back(std::move(name));
  }
  return tracks;
}

}  // namespace

// The wanted entry is asked for once, after the last entry is in. Asking
// after every fetch, as one might, leaves the same state: nothing fetches
// events during the scan, so no one sees the selections in between; the
// emptied list has no selection, LB_SETCURSEL beyond its end gives it none,
// and entries are only appended, so the wanted index names the same entry
// from the moment it exists. A listing that cannot be opened (a missing
// folder) leaves the list empty and its selection untouched; the folder
// label keeps the folder anyway, and StartTrack then fails harmlessly.
void ScanFolder(DeckState& state, const DeckProfile& profile) {
  state.trackCount = 0;
  const std::string folder = folderPart(state.folderPath);
  setGadgetCaption(profile.folderGadget, folder);
  clearList(profile.listGadget);
  if (!openListing(kTrackListing, folder, "*.*")) return;
  const std::vector<std::string> tracks = ListTracks();
  appendListItems(profile.listGadget, tracks);
  state.trackCount = static_cast<int>(tracks.size());
  setGadgetValue(profile.listGadget, profile.scanSelectsTrackIndex ? state.trackIndex : 0);
}
