#pragma once
// The deck's controls by name, for whatever reaches them other than the
// pointer over their place: keys, the focus that Tab moves, a screen
// reader's default action.
#include "profile/deck_layout.h"

enum class DeckControl {
  None,
  // on the skin
  PowerSwitch,
  StartStop,
  Previous,
  Next,
  TonearmLift,
  VolumeSlot,
  Fader,
  // in the panel
  OpenLink,
  PauseLink,
  TrackList,
};

// The order Tab moves the focus in: the skin's controls round the deck from
// the power switch, then the panel's.
constexpr DeckControl kFocusOrder[] = {
    DeckControl::PowerSwitch, DeckControl::StartStop,  DeckControl::Previous, DeckControl::Next,
    DeckControl::TonearmLift, DeckControl::VolumeSlot, DeckControl::Fader,    DeckControl::OpenLink,
    DeckControl::PauseLink,   DeckControl::TrackList,
};

constexpr bool InPanel(DeckControl control) {
  return control == DeckControl::OpenLink || control == DeckControl::PauseLink ||
         control == DeckControl::TrackList;
}

// Where the control lies in the client area: the skin's controls answer over
// their hit rectangle, the panel's over their gadget.
constexpr HitRect PlaceOf(DeckControl control) {
  switch (control) {
    case DeckControl::PowerSwitch: return kDeckRects.powerSwitch;
    case DeckControl::StartStop: return kDeckRects.startStop;
    case DeckControl::Previous: return kDeckRects.previous;
    case DeckControl::Next: return kDeckRects.next;
    case DeckControl::TonearmLift: return kDeckRects.tonearmLift;
    case DeckControl::VolumeSlot: return kDeckRects.volumeSlot;
    case DeckControl::Fader: return kDeckRects.fader;
    case DeckControl::OpenLink: return kDeck.openLink.Area();
    case DeckControl::PauseLink: return kDeck.pauseLink.Area();
    case DeckControl::TrackList: return kDeck.listPanel.Area();
    case DeckControl::None: break;
  }
  return {-1, -1, -2, -2};
}
