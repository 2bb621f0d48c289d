#pragma once
// Steps that every pass of both main loops takes the same way.
#include "profile/deck_profile.h"
#include "profile/deck_state.h"
#include "profile/hit_rect.h"

// Takes at most one event and samples the cursor in window 0.
void FetchEvent(DeckState& state);
// A press on an image gadget under a rectangle arrives as a left click in
// the very fetch of this pass; the type is reset by every fetch.
bool ClickedThisPass();
// Whether the cursor of this pass lies over the rectangle; shows the hand there.
bool CursorOver(const DeckState& state, const HitRect& rect);
bool StreamActive(const DeckState& state);
// Degrees per pass: the record's speed follows the rate of passes.
void TurnRecord(DeckState& state);
// Switching the power off, alike in both programs around their own
// pictures: the stream goes, the record stops, an open panel slides shut and
// no track counts as playing any more, so nothing advances.
void PowerDown(DeckState& state, const DeckProfile& profile);
// A double-click message keeps the gadget of the latest gadget event, so a
// double-click on the list (whose first click raised its event) plays the
// entry. Whether the pass's event was that.
bool PlayOnListDoubleClick(DeckState& state, const DeckProfile& profile);
