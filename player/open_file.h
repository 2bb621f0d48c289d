#pragma once
// Opening a file chosen in the open-file requester.
#include <string>

#include "profile/deck.h"

// Selects the first entry of the list whose text equals `name` byte for byte;
// leaves the list without selection when no entry does. Uses searchIndex.
void SelectEntryNamed(DeckState& state, const DeckProfile& profile, const std::string& name);

// What follows the requester's answer: lists the folder of `path` into the
// list, selects the file there and starts it.
void OpenPath(const Deck& deck, const std::string& path);

// Asks for a file and opens it as OpenPath does. A cancelled requester
// changes nothing.
void OpenChosenFile(const Deck& deck);
