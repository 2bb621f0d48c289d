#include "full/main_loop.h"

#include "deck/controls.h"
#include "deck/main_loop.h"
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

// The switch and the lamp are drawn on the canvas, so a frame follows the
// power whether it is on or off.
bool DrawsFrames() { return true; }

}  // namespace

void RunPass() {
  BeginPass(deck, loop);
  if (AdvanceWhenEnded(deck)) ShowTimesNow();  // what is seen follows what is heard
  QueueFollowingEntry(deck);
  HandlePowerSwitch(deck, kLooks, loop.input);
  if (PowerIsOn(deck)) HandleDeckControls(deck, kLooks, loop.input);
  TurnAndDraw(deck, loop);
  ReactToEvent(deck, kLooks, loop.input);
  ReactToKeys(deck, kLooks, loop.keys, loop.input, PowerIsOn(deck));
  accessible.TellChanges(loop.input.now);
}

void RunMainLoop() { RunUntilClosed(deck, loop, RunPass, DrawsFrames); }

void ShutDown() { CloseDeck(deck); }

}  // namespace full
