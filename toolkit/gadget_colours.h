#pragma once
// The colours a gadget is answered with when its control asks its parent
// (WM_CTLCOLOR...): part of the gadget's own record.
#include <windows.h>

#include "toolkit/gadgets.h"

// A gadget's own colours (setGadgetColour) and those of the colouring routine
// (applyGadgetColours) are kept apart: a link keeps its own text colour for
// its text while the routine makes its background transparent.
struct ColourPair {
  int text = kDefaultColour;
  int back = kDefaultColour;
};

struct GadgetColours {
  ColourPair own;
  ColourPair applied;
  bool isApplied = false;
  // Until a colour is given the default window procedure answers.
  bool isGiven = false;

  const ColourPair& answered() const { return isApplied ? applied : own; }
  bool hasTransparentBack() const { return isGiven && answered().back == kTransparentColour; }
  // Answers a WM_CTLCOLOR... question of the control; false leaves it to the
  // default window procedure.
  bool answer(HDC dc, HWND control, LRESULT& result) const;
};
