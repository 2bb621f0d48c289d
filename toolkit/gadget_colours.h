#pragma once
// The colours a parent answers for its gadgets (WM_CTLCOLOR...).
#include <windows.h>

// Answers a WM_CTLCOLOR... question about a coloured gadget; false leaves it
// to the default window procedure.
bool answerColourQuestion(UINT message, HDC dc, HWND control, LRESULT& result);
// Whether nothing is painted behind the gadget's text.
bool hasTransparentBack(HWND control);
// The gadget's own colour (setGadgetColour), or -1 for the default.
int gadgetColourOf(HWND control, int which);
void forgetGadgetColours(HWND control);
