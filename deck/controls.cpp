#include "deck/controls.h"

#include <cstdint>

#include "audio/audio.h"
#include "deck/pass.h"
#include "display/panel_slide.h"
#include "display/record_renderer.h"
#include "player/open_file.h"
#include "player/seek_fader.h"
#include "player/track_steps.h"
#include "player/volume_slot.h"
#include "profile/deck_layout.h"
#include "toolkit/toolkit.h"

namespace {

void ShowImage(int gadget, int image) {
  setGadgetValue(gadget, reinterpret_cast<std::intptr_t>(imageHandle(image)));
}

// Both branches run on every pass, so the lit button follows the cursor.
void HandleStartStop(DeckState& state, const DeckLooks& looks) {
  const bool hovered = CursorOver(state, kDeckRects.startStop);
  looks.showStartButton(hovered);
  if (hovered && ClickedThisPass()) {
    state.panelOpen ^= 1;
    SlidePanel(state);
  }
}

void HandleVolumeSlot(DeckState& state, const DeckProfile& profile) {
  if (CursorOver(state, kDeckRects.volumeSlot)) FollowVolumeSlot(state, profile);
}

void HandleTrackStep(DeckState& state, const DeckProfile& profile, const HitRect& rect, int step) {
  if (CursorOver(state, rect) && ClickedThisPass()) StepTrack(state, profile, step);
}

void HandleTonearmLift(DeckState& state, const DeckProfile& profile, const DeckLooks& looks) {
  if (CursorOver(state, kDeckRects.tonearmLift) && ClickedThisPass() && StreamActive(state)) {
    TogglePause(state, profile, looks);
  }
}

void ShowPauseBackdrop(const DeckState& state, const DeckProfile& profile) {
  const int backdrop = state.paused ? profile.pausedBackdrop : profile.playingBackdrop;
  if (backdrop >= 0) setWindowBackdrop(windowHandle(kMainWindow), imageHandle(backdrop));
}

}  // namespace

void HandlePowerSwitch(DeckState& state, const DeckProfile& profile, const DeckLooks& looks) {
  if (!CursorOver(state, kDeckRects.powerSwitch) || !ClickedThisPass()) return;
  state.powerOn ^= 1;
  looks.showPower();
  if (state.powerOn) {
    state.spinStep = profile.poweredSpeed;  // nothing starts playing
  } else {
    PowerDown(state, profile);  // the pause and the list stay as they are
  }
}

void HandleDeckControls(DeckState& state, const DeckProfile& profile, const DeckLooks& looks) {
  HandleStartStop(state, looks);
  HandleVolumeSlot(state, profile);
  CursorOver(state, kDeckRects.fader);  // the hand only: clicks arrive as the seek gadget's events
  HandleTrackStep(state, profile, kDeckRects.previous, -1);
  HandleTrackStep(state, profile, kDeckRects.next, +1);
  HandleTonearmLift(state, profile, looks);
}

void TogglePause(DeckState& state, const DeckProfile& profile, const DeckLooks& looks) {
  state.paused ^= 1;
  if (state.paused) {
    BASS_ChannelPause(state.stream);
    ShowImage(profile.pauseIndicatorGadget, profile.tonearmLiftedImage);
    state.spinStep = profile.pausedSpeed;
  } else {
    BASS_ChannelPlay(state.stream, false);
    setGadgetValue(profile.pauseIndicatorGadget, 0);
    state.spinStep = profile.resumedSpeed;
  }
  if (looks.showPause) looks.showPause();
  ShowPauseBackdrop(state, profile);
}

void TurnAndDraw(DeckState& state, const DeckProfile& profile) {
  TurnRecord(state);
  DrawRecord(profile, state.discBitmap, kCanvasImage, state.spinAngle);
  ShowImage(profile.canvasGadget, kCanvasImage);
}

// The three gadgets differ, so at most one reaction runs and their order
// does not matter.
void ReactToEvent(DeckState& state, const DeckProfile& profile, const DeckLooks& looks) {
  if (PlayOnListDoubleClick(state, profile) || state.event != kGadgetEvent) return;
  if (state.sourceGadget == profile.openLink && ClickedThisPass()) OpenChosenFile(state, profile);
  if (state.sourceGadget == profile.seekGadget && ClickedThisPass()) SeekFromClick(state, profile);
  if (state.sourceGadget == profile.pauseLink) TogglePause(state, profile, looks);
}

void RunUntilClosed(const DeckState& state, void (*runPass)()) {
  do {
    runPass();
  } while (state.event != kCloseEvent);
}
