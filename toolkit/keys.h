#pragma once
// Keys as the event fetch takes them: the key pressed in the last fetch,
// whether typed in a window of the program, sent as a command (a keyboard's
// media keys, a remote's buttons) or pressed as a hot key in the background.

// Held with the key, as lastKeyModifiers returns them.
constexpr int kShiftHeld = 1;
constexpr int kControlHeld = 2;

// The virtual key of the last fetch's key-down (WM_KEYDOWN; not the
// system keys held with Alt), or the media key a command stood for; 0 when
// the fetch took no key.
int lastKey();
int lastKeyModifiers();
// The gadget that had the keyboard focus when the key went down, -1 for none.
int lastKeyGadget();
// Makes the media keys (play/pause, next, previous, stop) hot keys of the
// window, so that they reach it while another program is in front; a key
// that another program holds already is left to it. How many were taken.
int registerMediaKeys(int window);
