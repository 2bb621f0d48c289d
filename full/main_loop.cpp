#include "full/main_loop.h"

#include <windows.h>

#include "audio/audio.h"
#include "display/gdiplus.h"
#include "display/panel_slide.h"
#include "display/record_renderer.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "player/controls.h"
#include "player/deck_layout.h"
#include "player/pass.h"
#include "toolkit/toolkit.h"

namespace full {
namespace {

bool Over(const HitRect& rect) { return CursorOver(kProfile, rect); }

bool PowerIsOn() { return state.powerLampX == kPowerLampOn; }

void SwitchPowerOn() {
  state.powerSwitchX = kHidden;
  state.powerLampX = kPowerLampOn;
  state.spinStep = kPoweredSpeed;
}

// The pause and the list stay as they are, so switching on again plays nothing.
void SwitchPowerOff() {
  state.powerSwitchX = kPowerSwitchOffX;
  state.powerLampX = kHidden;
  PowerDown(kProfile);
}

void HandlePowerSwitch() {
  if (!Over(kDeckRects.powerSwitch) || !ClickedThisPass()) return;
  state.powerOn ^= 1;
  if (state.powerOn) {
    SwitchPowerOn();
  } else {
    SwitchPowerOff();
  }
}

void HandleStartStop() {
  const bool hovered = Over(kDeckRects.startStop);
  state.glowCanvasX = hovered ? kGlowCanvasX : kHidden;
  state.glowGadgetX = hovered ? kGlowGadgetX : kHidden;
  placeGadget(kLitButtonGadget, state.glowGadgetX, kKeep, kKeep, kKeep);
  if (hovered && ClickedThisPass()) {
    state.panelOpen ^= 1;
    SlidePanel(kProfile);
  }
}

void HandleVolumeSlot() {
  if (Over(kDeckRects.volumeSlot)) FollowVolumeSlot(kProfile);
}

void HandleTrackStep(const HitRect& rect, int step) {
  if (Over(rect) && ClickedThisPass()) StepTrack(kProfile, step);
}

void TogglePause() {
  state.paused ^= 1;
  if (state.paused) {
    BASS_ChannelPause(state.stream);
    setGadgetValue(kPauseIndicator, reinterpret_cast<std::intptr_t>(imageHandle(kTonearmLifted)));
    state.spinStep = kPausedSpeed;
  } else {
    BASS_ChannelPlay(state.stream, false);
    setGadgetValue(kPauseIndicator, 0);
    state.spinStep = kPlaySpeed;
  }
}

void HandleTonearmLift() {
  if (Over(kDeckRects.tonearmLift) && ClickedThisPass() && StreamActive(kProfile)) TogglePause();
}

void HandleControls() {
  HandlePowerSwitch();
  if (!PowerIsOn()) return;
  HandleStartStop();
  HandleVolumeSlot();
  Over(kDeckRects.fader);  // the hand only: clicks arrive as the seek gadget's events
  HandleTrackStep(kDeckRects.previous, -1);
  HandleTrackStep(kDeckRects.next, +1);
  HandleTonearmLift();
}

void DrawFrame() {
  DrawRecord(kProfile, state.discBitmap, kCanvas, state.spinAngle);
  setGadgetValue(kCanvasGadget, reinterpret_cast<std::intptr_t>(imageHandle(kCanvas)));
}

void ReactToEvent() {
  if (PlayOnListDoubleClick(kProfile) || state.event != kGadgetEvent) return;
  if (state.sourceGadget == kOpenLink && ClickedThisPass()) OpenChosenFile(kProfile);
  if (state.sourceGadget == kSeekGadget && ClickedThisPass()) SeekFromClick(kProfile);
  if (state.sourceGadget == kPauseLink) TogglePause();
}

}  // namespace

void RunPass() {
  FetchEvent(kProfile);
  AdvanceWhenEnded(kProfile);
  HandleControls();
  TurnRecord(kProfile);
  DrawFrame();
  ReactToEvent();
}

void RunMainLoop() {
  do {
    RunPass();
  } while (state.event != kCloseEvent);
}

void ShutDown() {
  StopGdiplus(state.gdipToken);
  releaseToolkit();
}

}  // namespace full
