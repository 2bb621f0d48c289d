#pragma once
// The 55 ms tick: length and position of the stream, the seek-bar marker,
// the time labels, the volume knob and the window title.
#include "profile/deck.h"

// What the display last drew on its two canvases, so that a tick which would
// draw the same picture again draws and repaints nothing: while nothing
// plays, most ticks change nothing on screen. -1 before the first drawing.
struct DrawnTimes {
  int markerRow = -1;
  int knobX = -1;
};

void UpdateTimeDisplay(const Deck& deck, DrawnTimes& drawn);
