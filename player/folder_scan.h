#pragma once
// Fills the track list from the folder of folderPath.
#include <string>

#include "profile/deck_profile.h"
#include "profile/deck_state.h"

// Whether a name is one of a track: its last four bytes are ".wav", ".mp3"
// or ".mid" in any letter case.
bool IsTrackName(const std::string& name);

// Lists the folder part of folderPath into the build's list, counts the
// entries in trackCount and leaves the folder in the hidden folder label.
void ScanFolder(DeckState& state, const DeckProfile& profile);
