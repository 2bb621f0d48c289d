#include "full/main_loop.h"

#include "deck/controls.h"
#include "deck/pass.h"
#include "deck/startup.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "player/track_steps.h"
#include "toolkit/toolkit.h"

namespace full {
namespace {

// The switch and the lamp are overlays of the record's frame.
void ShowPower() {
  state.powerSwitchX = state.powerOn ? kHidden : kPowerSwitchOffX;
  state.powerLampX = state.powerOn ? kPowerLampOn : kHidden;
}

// The lit button is drawn on the canvas and, as a gadget, beside it.
void ShowStartButton(bool lit) {
  state.glowCanvasX = lit ? kGlowCanvasX : kHidden;
  state.glowGadgetX = lit ? kGlowGadgetX : kHidden;
  placeGadget(kLitButtonGadget, state.glowGadgetX, kKeep, kKeep, kKeep);
}

constexpr DeckLooks kLooks{ShowPower, ShowStartButton, nullptr};

bool PowerIsOn() { return state.powerLampX == kPowerLampOn; }

}  // namespace

// The record is drawn on every pass, also while the power is off.
void RunPass() {
  FetchEvent(state);
  AdvanceWhenEnded(state, kProfile);
  HandlePowerSwitch(state, kProfile, kLooks);
  if (PowerIsOn()) HandleDeckControls(state, kProfile, kLooks);
  TurnAndDraw(state, kProfile);
  ReactToEvent(state, kProfile, kLooks);
}

void RunMainLoop() { RunUntilClosed(state, RunPass); }

void ShutDown() { CloseDeck(state); }

}  // namespace full
