#pragma once
// Fills the track list from the folder of folderPath.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// Lists the folder part of folderPath into the build's list, counts the
// entries in trackCount and leaves the folder in the hidden folder label.
void ScanFolder(DeckState& state, const DeckProfile& profile);
