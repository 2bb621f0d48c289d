#include "player/open_file.h"

#include <string>

#include "player/folder_scan.h"
#include "player/start_track.h"
#include "toolkit/files.h"
#include "toolkit/gadgets.h"
#include "toolkit/text.h"

// The entries' texts are compared without selecting them, then the match is
// selected once: the same end state as selecting each candidate in turn,
// without a repaint per entry. The whole list is searched; a name that is
// not listed leaves no selection, whatever LB_SETCURSEL does with an index
// beyond the end on this system. searchIndex ends where a search by
// selection would stop: at the match, or at the entry count.
void SelectEntryNamed(DeckState& state, const DeckProfile& profile, const std::string& name) {
  const int found = findListItem(profile.listGadget, name);
  state.searchIndex = found >= 0 ? found : listItemCount(profile.listGadget);
  setGadgetValue(profile.listGadget, found);
}

void OpenPath(const Deck& deck, const std::string& path) {
  DeckState& state = deck.state;
  state.folderPath = path;
  ScanFolder(state, deck.profile);
  state.chosenFileName = filePart(state.folderPath);
  SelectEntryNamed(state, deck.profile, state.chosenFileName);
  if (!state.chosenFileName.empty()) StartTrack(deck);
}

// GetOpenFileNameA yields the empty text on cancel; returning then keeps the
// folder, the list, its selection and the playing track, and in the mini
// build the folder that the playlist file remembers.
void OpenChosenFile(const Deck& deck) {
  std::string chosen = askOpenFile("", "", "*.*|*.*", 0);
  if (!chosen.empty()) OpenPath(deck, chosen);
}
