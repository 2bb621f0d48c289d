#include "deck/controls.h"

#include <cstdint>

#include "deck/pass.h"
#include "display/panel_slide.h"
#include "player/open_file.h"
#include "player/seek_fader.h"
#include "player/start_track.h"
#include "player/track_steps.h"
#include "player/volume_slot.h"
#include "profile/deck_layout.h"
#include "toolkit/toolkit.h"

namespace {

void ShowImage(int gadget, int image) {
  setGadgetValue(gadget, reinterpret_cast<std::intptr_t>(imageHandle(image)));
}

void TogglePower(const Deck& deck, const DeckLooks& looks) {
  deck.state.powerOn ^= 1;
  looks.showPower();
  if (deck.state.powerOn) {
    deck.state.spinStep = deck.profile.poweredSpeed;  // nothing starts playing
  } else {
    PowerDown(deck);  // the pause and the list stay as they are
  }
}

void TogglePanel(const Deck& deck) {
  deck.state.panelOpen ^= 1;
  SlidePanel(deck.state);
}

void LiftTonearm(const Deck& deck, const DeckLooks& looks) {
  if (StreamActive(deck)) TogglePause(deck, looks);
}

// Both branches run on every pass, so the lit button follows the cursor.
void HandleStartStop(const Deck& deck, const DeckLooks& looks, const PassInput& input) {
  const bool hovered = CursorOver(input, kDeckRects.startStop);
  looks.showStartButton(hovered);
  if (hovered && input.LeftClick()) TogglePanel(deck);
}

void HandleVolumeSlot(const Deck& deck, const PassInput& input) {
  if (CursorOver(input, kDeckRects.volumeSlot)) FollowVolumeSlot(deck, input);
}

void HandleTrackStep(const Deck& deck, const PassInput& input, const HitRect& rect, int step) {
  if (CursorOver(input, rect) && input.LeftClick()) StepTrack(deck, step);
}

void HandleTonearmLift(const Deck& deck, const DeckLooks& looks, const PassInput& input) {
  if (CursorOver(input, kDeckRects.tonearmLift) && input.LeftClick()) LiftTonearm(deck, looks);
}

void ShowPauseBackdrop(const Deck& deck) {
  const DeckProfile& profile = deck.profile;
  const int backdrop = deck.state.paused ? profile.pausedBackdrop : profile.playingBackdrop;
  if (backdrop >= 0) setWindowBackdrop(windowHandle(kMainWindow), imageHandle(backdrop));
}

}  // namespace

void HandlePowerSwitch(const Deck& deck, const DeckLooks& looks, const PassInput& input) {
  if (CursorOver(input, kDeckRects.powerSwitch) && input.LeftClick()) TogglePower(deck, looks);
}

void HandleDeckControls(const Deck& deck, const DeckLooks& looks, const PassInput& input) {
  HandleStartStop(deck, looks, input);
  HandleVolumeSlot(deck, input);
  CursorOver(input, kDeckRects.fader);  // the hand only: clicks arrive as the seek gadget's events
  HandleTrackStep(deck, input, kDeckRects.previous, -1);
  HandleTrackStep(deck, input, kDeckRects.next, +1);
  HandleTonearmLift(deck, looks, input);
}

void TogglePause(const Deck& deck, const DeckLooks& looks) {
  const DeckProfile& profile = deck.profile;
  deck.state.paused ^= 1;
  if (deck.state.paused) {
    deck.transport.pause();
    ShowImage(profile.pauseIndicatorGadget, profile.tonearmLiftedImage);
    deck.state.spinStep = profile.pausedSpeed;
  } else {
    deck.transport.play();
    setGadgetValue(profile.pauseIndicatorGadget, 0);
    deck.state.spinStep = profile.resumedSpeed;
  }
  if (looks.showPause) looks.showPause();
  ShowPauseBackdrop(deck);
}

// The three gadgets differ, so at most one reaction runs and their order
// does not matter.
void ReactToEvent(const Deck& deck, const DeckLooks& looks, const PassInput& input) {
  if (PlayOnListDoubleClick(deck, input) || input.event != kGadgetEvent) return;
  const DeckProfile& profile = deck.profile;
  if (input.sourceGadget == profile.openLink && input.LeftClick()) OpenChosenFile(deck);
  if (input.sourceGadget == profile.seekGadget && input.LeftClick()) SeekFromClick(deck, input);
  if (input.sourceGadget == profile.pauseLink) TogglePause(deck, looks);
}

void ClickControl(const Deck& deck, const DeckLooks& looks, DeckControl control, bool powered) {
  if (control == DeckControl::PowerSwitch) TogglePower(deck, looks);
  if (!powered) return;
  switch (control) {
    case DeckControl::StartStop: TogglePanel(deck); break;
    case DeckControl::Previous: StepTrack(deck, -1); break;
    case DeckControl::Next: StepTrack(deck, +1); break;
    case DeckControl::TonearmLift: LiftTonearm(deck, looks); break;
    case DeckControl::OpenLink: OpenChosenFile(deck); break;
    case DeckControl::PauseLink: TogglePause(deck, looks); break;
    case DeckControl::TrackList: StartTrack(deck); break;
    default: break;
  }
}
