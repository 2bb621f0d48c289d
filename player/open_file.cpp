#include "player/open_file.h"

#include <string>

#include "player/folder_scan.h"
#include "player/start_track.h"
#include "toolkit/files.h"
#include "toolkit/gadgets.h"
#include "toolkit/text.h"

// Each candidate is selected and the list's own text compared, so the
// selection runs down the list meanwhile. The whole list is searched; a name
// that is not listed leaves no selection, whatever LB_SETCURSEL does with an
// index beyond the end on this system.
void SelectEntryNamed(DeckState& state, const DeckProfile& profile, const std::string& name) {
  const int entries = listItemCount(profile.listGadget);
  for (state.searchIndex = 0; state.searchIndex < entries; ++state.searchIndex) {
    setGadgetValue(profile.listGadget, state.searchIndex);
    if (textEquals(gadgetCaption(profile.listGadget), name)) {
      setGadgetValue(profile.listGadget, state.searchIndex);
      return;
    }
  }
  setGadgetValue(profile.listGadget, -1);
}

// GetOpenFileNameA yields the empty text on cancel; returning then keeps the
// folder, the list, its selection and the playing track, and in the mini
// build the folder that the playlist file remembers.
void OpenChosenFile(DeckState& state, const DeckProfile& profile) {
  std::string chosen = askOpenFile("", "", "*.*|*.*", 0);
  if (chosen.empty()) return;
  state.folderPath = chosen;
  ScanFolder(state, profile);
  state.chosenFileName = filePart(state.folderPath);
  SelectEntryNamed(state, profile, state.chosenFileName);
  if (!state.chosenFileName.empty()) StartTrack(state, profile);
}
