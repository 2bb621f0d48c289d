#pragma once
// The cursor shape over the skin's controls.

// Shows the system's hand cursor until the window's class cursor replaces it
// at the next WM_SETCURSOR, which is why callers set it on every pass.
void ShowHandCursor();
