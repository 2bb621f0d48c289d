#pragma once
// The deck without a mouse: keys and media keys act through the steps of
// the controls they stand for, Tab moves a visible focus over the controls,
// a screen reader's default action clicks one, and a file handed to the
// program from outside opens as if chosen with "Открыть".
#include "deck/controls.h"
#include "profile/deck.h"
#include "profile/pass_input.h"

struct KeyboardState {
  DeckControl focused = DeckControl::None;
  DeckControl framed = DeckControl::None;  // what the focus frame shows now
  float volumeBeforeMute = 0.0f;           // what mute gives back; 0 when not muted
};

// The pass's key, screen-reader click and handed file. `powered`: the
// controls that answer only while the power is on answer now.
void ReactToKeys(const Deck& deck, const DeckLooks& looks, KeyboardState& keys,
                 const PassInput& input, bool powered);
// A file from outside: the power comes on and the file opens as if chosen
// with "Открыть"; a path that is no track file is passed over, silently.
void OpenHandedFile(const Deck& deck, const DeckLooks& looks, const std::string& path,
                    bool powered);
