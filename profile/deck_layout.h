#pragma once
// Where things lie on the deck, in client coordinates. Both programs' skins
// paint the same deck, so one table serves both: each gadget's place and
// size, the canvases drawn for them and the hit rectangles are derived from
// it, and nothing here is written twice.
#include "profile/hit_rect.h"

// A place and a size.
struct Box {
  int x, y, width, height;

  // A control answers over its picture but for the picture's first column
  // and first row.
  constexpr HitRect HitArea() const { return {x + 1, y + 1, x + width - 1, y + height - 1}; }
  // The whole box as a rectangle with inclusive bounds.
  constexpr HitRect Area() const { return {x, y, x + width - 1, y + height - 1}; }
};

// The size of a picture whose place follows the state.
struct Size {
  int width, height;
};

struct DeckGeometry {
  // The window's client area: its width, its height closed and with the panel out.
  int clientWidth, closedHeight, openHeight;
  Box seekBar;              // the fader's gadget and its canvas
  Box volumeSlot;           // the volume gadget and its canvas
  Box startButton;          // the lit start/stop button where it shows
  Box powerSwitch;          // the switch's off picture
  Box pauseIndicator;       // the lifted tonearm
  Box previous, next;       // the two speed buttons' targets
  Box openLink, pauseLink;  // the panel's links
  Box listPanel;            // the panel that shows the track list, its frame clipped away
  HitRect powerSwitchHit;
  HitRect tonearmLiftHit;
  Size faderCap;         // the fader's cap, drawn over its scale
  Size volumeKnob;       // the knob, drawn over the slot
  int faderCapX;         // the cap's column in the fader's canvas
  int volumeKnobStartX;  // the knob's place in the slot's canvas at start-up
};

constexpr DeckGeometry kDeck{
    .clientWidth = 435,
    .closedHeight = 360,
    .openHeight = 550,
    .seekBar = {394, 212, 24, 120},
    .volumeSlot = {323, 288, 60, 11},
    .startButton = {10, 296, 35, 35},
    .powerSwitch = {24, 26, 21, 18},
    .pauseIndicator = {381, 108, 40, 60},
    .previous = {54, 320, 13, 13},
    .next = {79, 320, 13, 13},
    .openLink = {30, 371, 50, 14},
    .pauseLink = {120, 371, 35, 14},
    .listPanel = {11, 400, 412, 136},
    .powerSwitchHit = {26, 26, 44, 44},
    .tonearmLiftHit = {401, 131, 409, 159},
    .faderCap = {22, 17},
    .volumeKnob = {13, 10},
    .faderCapX = 2,
    .volumeKnobStartX = 25,
};

// The controls' hit rectangles; bounds are inclusive.
struct DeckRects {
  HitRect powerSwitch;
  HitRect startStop;
  HitRect volumeSlot;
  HitRect fader;
  HitRect previous;
  HitRect next;
  HitRect tonearmLift;
};

// The fader answers over its scale: from the bar's third column to its
// twenty-first, from its fifth row to its hundred-and-thirteenth.
constexpr DeckRects kDeckRects{
    .powerSwitch = kDeck.powerSwitchHit,
    .startStop = kDeck.startButton.HitArea(),
    .volumeSlot = kDeck.volumeSlot.HitArea(),
    .fader = {kDeck.seekBar.x + 2, kDeck.seekBar.y + 4, kDeck.seekBar.x + 20,
              kDeck.seekBar.y + 112},
    .previous = kDeck.previous.HitArea(),
    .next = kDeck.next.HitArea(),
    .tonearmLift = kDeck.tonearmLiftHit,
};

constexpr int kClientWidth = kDeck.clientWidth;
constexpr int kClosedHeight = kDeck.closedHeight;
constexpr int kOpenHeight = kDeck.openHeight;
