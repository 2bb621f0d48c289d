#pragma once
// The 55 ms tick: length and position of the stream, the seek-bar marker,
// the time labels, the volume knob and the window title.
#include <windows.h>

#include "player/deck.h"

void UpdateTimeDisplay(const DeckProfile& profile);

// The window-timer callback; each program instantiates it with its profile.
template <const DeckProfile& profile>
void CALLBACK TimeDisplayTimer(HWND, UINT, UINT_PTR, DWORD) {
  UpdateTimeDisplay(profile);
}
