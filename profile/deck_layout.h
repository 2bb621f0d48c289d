#pragma once
// Where the controls lie on the deck. Both programs' skins paint the same
// deck, so their hit rectangles are the same; bounds are inclusive client
// coordinates.
#include "profile/hit_rect.h"

struct DeckRects {
  HitRect powerSwitch;
  HitRect startStop;
  HitRect volumeSlot;
  HitRect fader;
  HitRect previous;
  HitRect next;
  HitRect tonearmLift;
};

constexpr DeckRects kDeckRects{
    .powerSwitch = {26, 26, 44, 44},
    .startStop = {11, 297, 44, 330},
    .volumeSlot = {324, 289, 382, 298},
    .fader = {396, 216, 414, 324},
    .previous = {55, 321, 66, 332},
    .next = {80, 321, 91, 332},
    .tonearmLift = {401, 131, 409, 159},
};

// The window both programs open: 435 x 360 client pixels, 550 with the panel out.
constexpr int kClientWidth = 435;
constexpr int kClosedHeight = 360;
constexpr int kOpenHeight = 550;
