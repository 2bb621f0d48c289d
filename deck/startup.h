#pragma once
// The start-up both programs run around their own steps: first the toolkit,
// the skin, GDI+, the canvas, the window and the gadgets; last the backdrop,
// the audio output and the display timer.
#include <span>

#include "deck/skin_setup.h"
#include "profile/deck.h"
#include "toolkit/accessible.h"

struct DeckSkin {
  std::span<const SkinPicture> pictures;    // decoded in this order
  std::span<const GadgetSpec> deckGadgets;  // created before the panel's
  const char* recordPicture;                // read from the working directory
};

// Everything up to the gadgets; state holds its initial values already.
void OpenDeck(DeckState& state, const DeckProfile& profile, const DeckSkin& skin);
// The window's backdrop, the audio output and the 55 ms time display; the
// window marked as the program's, for another start to hand it a file.
void StartDeck(const Deck& deck, int backdrop);
// The ways to the deck besides the pointer: the media keys also while
// another program is in front, files dropped on the window, and screen
// readers, which ask `accessible` (living as long as the window).
void OpenDeckToKeysAndReaders(AccessibleControls& accessible);
// The time display on window 0's 55 ms timer, over this deck, which must
// live as long as the timer; whether the timer was set.
bool StartTimeDisplay(const Deck& deck);
// The time display's tick out of turn: when the list has moved on with the
// sound, the title and the labels follow at once, not at the next tick.
void ShowTimesNow();
// GDI+ first, while it is still loaded; then everything the toolkit holds.
void CloseDeck(const Deck& deck);
