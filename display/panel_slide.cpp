#include "display/panel_slide.h"

#include <windows.h>

#include "profile/deck_layout.h"
#include "profile/deck_profile.h"
#include "toolkit/events.h"
#include "toolkit/window.h"

namespace {

constexpr int kStepRows = 2;
constexpr int kFetchesPerStep = 10;
constexpr DWORD kStepPauseMs = 8;

// The fetches keep the window painted and let the time display's timer run;
// the events they take are dropped, so a click or a close request made
// during the slide never reaches the main loop.
void ShowHeight(int height) {
  placeWindow(kMainWindow, kKeep, kKeep, kKeep, height);
  for (int fetch = 0; fetch < kFetchesPerStep; ++fetch) pollEvent();
  Sleep(kStepPauseMs);
}

}  // namespace

// The first step sets the height the window already has, so the movement
// shows from the second step on: 96 steps each way.
int SlidePanel(const DeckState& state) {
  if (state.panelOpen == 1) {
    for (int height = kClosedHeight; height <= kOpenHeight; height += kStepRows) ShowHeight(height);
  } else {
    for (int height = kOpenHeight; height >= kClosedHeight; height -= kStepRows) ShowHeight(height);
  }
  return 0;
}
