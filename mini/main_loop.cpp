#include "mini/main_loop.h"

#include <windows.h>

#include "audio/audio.h"
#include "display/gdiplus.h"
#include "display/panel_slide.h"
#include "display/record_renderer.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "player/controls.h"
#include "player/deck_layout.h"
#include "player/pass.h"
#include "toolkit/toolkit.h"

namespace mini {
namespace {

bool Over(const HitRect& rect) { return CursorOver(kProfile, rect); }

bool MotorRuns() { return state.motorState == kMotorOn; }

void Show(int gadget, int image) {
  setGadgetValue(gadget, reinterpret_cast<std::intptr_t>(imageHandle(image)));
}

void SwitchPowerOn() {
  state.motorState = kMotorOn;
  state.spinStep = kPoweredSpeed;
  setGadgetValue(kPowerSwitchGadget, 0);  // the skin's own switch shows "on"
  Show(kPowerLampGadget, kPowerLampLit);
}

// The label stops where it is and keeps its last frame; the pause, its
// pictures, the skins and the list stay as they are.
void SwitchPowerOff() {
  state.motorState = kMotorOff;
  Show(kPowerSwitchGadget, kPowerSwitchOff);
  setGadgetValue(kPowerLampGadget, 0);
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

// Pausing swings the tonearm in: the other skin goes behind the window and
// under the label.
void TogglePause() {
  state.paused ^= 1;
  if (state.paused) {
    BASS_ChannelPause(state.stream);
    Show(kPauseIndicator, kTonearmLifted);
    state.spinStep = kPausedSpeed;
    state.pausedSkinX = kSkinShown;
    state.playingSkinX = kSkinAway;
    setWindowBackdrop(windowHandle(kMainWindow), imageHandle(kPausedSkin));
  } else {
    BASS_ChannelPlay(state.stream, false);
    setGadgetValue(kPauseIndicator, 0);
    state.spinStep = kResumedSpeed;
    state.pausedSkinX = kSkinAway;
    state.playingSkinX = kSkinShown;
    setWindowBackdrop(windowHandle(kMainWindow), imageHandle(kPlayingSkin));
  }
}

void TurnAndDraw() {
  TurnRecord(kProfile);
  DrawRecord(kProfile, state.discBitmap, kCanvas, state.spinAngle);
  Show(kCanvasGadget, kCanvas);
}

void HandleStartStop() {
  if (!Over(kDeckRects.startStop)) {
    setGadgetValue(kLitButtonGadget, 0);
    return;
  }
  Show(kLitButtonGadget, kStartButtonLit);
  if (ClickedThisPass()) {
    state.panelOpen ^= 1;
    SlidePanel(kProfile);
  }
}

void HandleTrackStep(const HitRect& rect, int step) {
  if (Over(rect) && ClickedThisPass()) StepTrack(kProfile, step);
}

void HandleMotorControls() {
  TurnAndDraw();
  HandleStartStop();
  if (Over(kDeckRects.volumeSlot)) FollowVolumeSlot(kProfile);
  Over(kDeckRects.fader);  // the hand only: clicks arrive as the seek gadget's events
  HandleTrackStep(kDeckRects.previous, -1);
  HandleTrackStep(kDeckRects.next, +1);
  if (Over(kDeckRects.tonearmLift) && ClickedThisPass() && StreamActive(kProfile)) TogglePause();
}

void ReactToEvent() {
  if (PlayOnListDoubleClick(kProfile) || state.event != kGadgetEvent) return;
  if (state.sourceGadget == kOpenLink && ClickedThisPass()) OpenChosenFile(kProfile);
  if (state.sourceGadget == kPauseLink) TogglePause();
  if (state.sourceGadget == kSeekGadget && ClickedThisPass()) SeekFromClick(kProfile);
}

// The folder last chosen (or the one remembered) and the selected entry,
// "-1" when none is selected.
void WritePlaylist() {
  openPrefFile(kPlaylistFile);
  writePrefString(kFolderKey, state.folderPath);
  writePrefString(kPositionKey, decimalText(gadgetValue(kTrackList)));
  closePrefFile();
}

}  // namespace

void RunPass() {
  FetchEvent(kProfile);
  AdvanceWhenEnded(kProfile);
  HandlePowerSwitch();
  if (MotorRuns()) HandleMotorControls();
  ReactToEvent();
}

void RunMainLoop() {
  do {
    RunPass();
  } while (state.event != kCloseEvent);
}

void ShutDown() {
  WritePlaylist();
  StopGdiplus(state.gdipToken);
  releaseToolkit();
}

}  // namespace mini
