#include "mini/main_loop.h"

#include <cstdint>

#include "deck/controls.h"
#include "deck/main_loop.h"
#include "deck/startup.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "player/track_steps.h"
#include "toolkit/toolkit.h"

namespace mini {
namespace {

void Show(int gadget, int image) {
  setGadgetValue(gadget, reinterpret_cast<std::intptr_t>(imageHandle(image)));
}

// The skin's own switch shows "on"; switched off, the label stops where it
// is and keeps its last frame.
void ShowPower() {
  state.motorState = state.powerOn ? kMotorOn : kMotorOff;
  if (state.powerOn) {
    setGadgetValue(kPowerSwitchGadget, 0);
    Show(kPowerLampGadget, kPowerLampLit);
  } else {
    Show(kPowerSwitchGadget, kPowerSwitchOff);
    setGadgetValue(kPowerLampGadget, 0);
  }
}

void ShowStartButton(bool lit) {
  if (lit) {
    Show(kLitButtonGadget, kStartButtonLit);
  } else {
    setGadgetValue(kLitButtonGadget, 0);
  }
}

// Pausing swings the tonearm in: the other skin lies under the label too.
void ShowPause() {
  state.pausedSkinX = state.paused ? kSkinShown : kSkinAway;
  state.playingSkinX = state.paused ? kSkinAway : kSkinShown;
}

constexpr DeckLooks kLooks{ShowPower, ShowStartButton, ShowPause};

bool MotorRuns() { return PowerIsOn(deck); }

// The folder last chosen (or the one remembered) and the selected entry,
// "-1" when none is selected.
void WritePlaylist() {
  openPrefFile(kPlaylistFile);
  writePrefString(kFolderKey, state.folderPath);
  writePrefString(kPositionKey, decimalText(gadgetValue(kTrackList)));
  closePrefFile();
}

}  // namespace

// Only while the motor runs does the label turn and do the controls respond.
void RunPass() {
  BeginPass(deck, loop);
  if (AdvanceWhenEnded(deck)) ShowTimesNow();  // what is seen follows what is heard
  QueueFollowingEntry(deck);
  HandlePowerSwitch(deck, kLooks, loop.input);
  if (MotorRuns()) {
    TurnAndDraw(deck, loop);
    HandleDeckControls(deck, kLooks, loop.input);
  }
  ReactToEvent(deck, kLooks, loop.input);
  ReactToKeys(deck, kLooks, loop.keys, loop.input, MotorRuns());
  accessible.TellChanges(loop.input.now);
}

void RunMainLoop() { RunUntilClosed(deck, loop, RunPass, MotorRuns); }

void ShutDown() {
  WritePlaylist();
  CloseDeck(deck);
}

}  // namespace mini
