#include "player/pass.h"

#include "display/panel_slide.h"
#include "player/start_track.h"
#include "toolkit/toolkit.h"

void FetchEvent(const DeckProfile& profile) {
  *profile.event = pollEvent();
  *profile.sourceGadget = lastSourceGadget();
  *profile.mouseX = cursorX(kMainWindow);
  *profile.mouseY = cursorY(kMainWindow);
}

bool ClickedThisPass() { return lastEventKind() == kLeftClick; }

bool CursorOver(const DeckProfile& profile, const HitRect& rect) {
  if (!rect.Contains(*profile.mouseX, *profile.mouseY)) return false;
  ShowHandCursor();
  return true;
}

bool StreamActive(const DeckProfile& profile) { return BASS_ChannelIsActive(*profile.stream) != 0; }

// Reset, not reduced by a turn, when it reaches 360.
void TurnRecord(const DeckProfile& profile) {
  *profile.spinAngle += *profile.spinStep;
  if (*profile.spinAngle >= 360.0f) *profile.spinAngle = 0.0f;
}

bool PlayOnListDoubleClick(const DeckProfile& profile) {
  if (*profile.event != kLeftDoubleClickMessage || *profile.sourceGadget != profile.listGadget) {
    return false;
  }
  StartTrack(profile);
  return true;
}

void PowerDown(const DeckProfile& profile) {
  BASS_StreamFree(*profile.stream);
  *profile.spinStep = 0.0f;
  if (*profile.panelOpen == 1) {
    *profile.panelOpen = 0;
    SlidePanel(profile);
  }
  setGadgetValue(profile.playingFlagGadget, 0);
}
