#include "deck/pass.h"

#include <windows.h>

#include <utility>

#include "audio/audio.h"
#include "deck/hand_cursor.h"
#include "display/panel_slide.h"
#include "player/start_track.h"
#include "toolkit/toolkit.h"

namespace {

bool LeftButtonDown() { return GetAsyncKeyState(VK_LBUTTON) != 0; }

// The event's type is taken right after the fetch: a later fetch (the panel
// slide's) resets it, but what this pass acts on stays as it was fetched.
PassInput TakePassInput() {
  PassInput input;
  input.event = pollEvent();
  input.sourceGadget = lastSourceGadget();
  input.eventKind = lastEventKind();
  const CursorPoint cursor = cursorPoint(kMainWindow);
  input.mouseX = cursor.x;
  input.mouseY = cursor.y;
  input.leftButtonFirst = LeftButtonDown();
  input.leftButton = LeftButtonDown();
  input.now = DeckClock::now();
  input.key = lastKey();
  input.keyModifiers = lastKeyModifiers();
  input.keyGadget = lastKeyGadget();
  input.handedFile = lastHandedFile();
  return input;
}

}  // namespace

// The record turned through the time before this pass at the speed the
// previous pass left, whatever this pass's steps do to it.
void BeginPass(const Deck& deck, LoopState& loop) {
  loop.input = TakePassInput();
  loop.input.click = std::exchange(loop.pendingClick, DeckControl::None);
  if (loop.input.handedFile.empty()) loop.input.handedFile = std::exchange(loop.pendingFile, {});
  ClockPass(loop.record, loop.input.now, deck.state.spinStep);
}

bool CursorOver(const PassInput& input, const HitRect& rect) {
  if (!rect.Contains(input.mouseX, input.mouseY)) return false;
  ShowHandCursor();
  return true;
}

bool StreamActive(const Deck& deck) { return deck.transport.activity() != kActiveStopped; }

bool PowerIsOn(const Deck& deck) { return *deck.profile.powerMarker == deck.profile.powerMarkerOn; }

bool PlayOnListDoubleClick(const Deck& deck, const PassInput& input) {
  if (input.event != kLeftDoubleClickMessage || input.sourceGadget != deck.profile.listGadget) {
    return false;
  }
  StartTrack(deck);
  return true;
}

void PowerDown(const Deck& deck) {
  deck.transport.free();
  deck.state.spinStep = 0.0f;
  if (deck.state.panelOpen == 1) {
    deck.state.panelOpen = 0;
    SlidePanel(deck.state);
  }
  setGadgetValue(deck.profile.playingFlagGadget, 0);
}
