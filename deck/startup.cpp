#include "deck/startup.h"

#include <windows.h>

#include "audio/audio.h"
#include "deck/started_with_file.h"
#include "display/gdiplus.h"
#include "display/time_display.h"
#include "profile/deck_layout.h"
#include "toolkit/toolkit.h"

namespace {

// A TIMERPROC carries no context, and a program has one deck: the timer
// finds it, and what its display last drew, here.
const Deck* timedDeck = nullptr;
DrawnTimes drawnTimes;

void CALLBACK TimeDisplayTimer(HWND, UINT, UINT_PTR, DWORD) {
  UpdateTimeDisplay(*timedDeck, drawnTimes);
}

}  // namespace

void OpenDeck(DeckState& state, const DeckProfile& profile, const DeckSkin& skin) {
  startToolkit();
  DecodeSkin(skin.pictures);
  newScreenImage(profile.seekCanvasImage, kDeck.seekBar.width, kDeck.seekBar.height);
  newScreenImage(profile.volumeCanvasImage, kDeck.volumeSlot.width, kDeck.volumeSlot.height);
  state.gdipToken = StartGdiplus();
  state.discBitmap = LoadDiscBitmap(skin.recordPicture);
  newImage(kCanvasImage, profile.canvasSize, profile.canvasSize, 32);
  newWindow(kMainWindow, 0, 0, kClientWidth, kClosedHeight, kProgramTitle, kDeckWindowFlags);
  CreateGadgets(skin.deckGadgets);
  CreateGadgets(PanelGadgets(profile));
}

void StartDeck(const Deck& deck, int backdrop) {
  setWindowBackdrop(windowHandle(kMainWindow), imageHandle(backdrop));
  MarkWindowAs(deck.profile.programName);
  BASS_Init(-1, 44100, 0, windowHandle(kMainWindow), nullptr);
  // A stream that ends or hands over to the one queued after it wakes the
  // resting loop at once, which then moves the list on with the sound; the
  // message itself is no event.
  AudioNotifyEnds(windowHandle(kMainWindow), WM_NULL);
  StartTimeDisplay(deck);
}

bool StartTimeDisplay(const Deck& deck) {
  timedDeck = &deck;
  drawnTimes = {};
  return SetTimer(windowHandle(kMainWindow), 0, 55, TimeDisplayTimer) != 0;
}

void ShowTimesNow() {
  if (timedDeck) UpdateTimeDisplay(*timedDeck, drawnTimes);
}

void OpenDeckToKeysAndReaders(AccessibleControls& accessible) {
  registerMediaKeys(kMainWindow);
  acceptDroppedFiles(kMainWindow);
  setWindowAccessible(kMainWindow, &accessible);
}

void CloseDeck(const Deck& deck) {
  UnmarkWindow(deck.profile.programName);
  StopGdiplus(deck.state.gdipToken);
  releaseToolkit();
}
