#include "deck/pass.h"

#include "audio/audio.h"
#include "deck/hand_cursor.h"
#include "display/panel_slide.h"
#include "player/start_track.h"
#include "toolkit/toolkit.h"

void FetchEvent(DeckState& state) {
  state.event = pollEvent();
  state.sourceGadget = lastSourceGadget();
  state.mouseX = cursorX(kMainWindow);
  state.mouseY = cursorY(kMainWindow);
}

bool ClickedThisPass() { return lastEventKind() == kLeftClick; }

bool CursorOver(const DeckState& state, const HitRect& rect) {
  if (!rect.Contains(state.mouseX, state.mouseY)) return false;
  ShowHandCursor();
  return true;
}

bool StreamActive(const DeckState& state) { return BASS_ChannelIsActive(state.stream) != 0; }

// Reset, not reduced by a turn, when it reaches 360.
void TurnRecord(DeckState& state) {
  state.spinAngle += state.spinStep;
  if (state.spinAngle >= 360.0f) state.spinAngle = 0.0f;
}

bool PlayOnListDoubleClick(DeckState& state, const DeckProfile& profile) {
  if (state.event != kLeftDoubleClickMessage || state.sourceGadget != profile.listGadget) {
    return false;
  }
  StartTrack(state, profile);
  return true;
}

void PowerDown(DeckState& state, const DeckProfile& profile) {
  BASS_StreamFree(state.stream);
  state.spinStep = 0.0f;
  if (state.panelOpen == 1) {
    state.panelOpen = 0;
    SlidePanel(state);
  }
  setGadgetValue(profile.playingFlagGadget, 0);
}
