#pragma once

namespace full {

// Passes until the window is asked to close; each pass takes at most one
// event, handles the deck's controls, turns the record and draws a frame
// when the picture changed. Between passes the loop rests.
void RunMainLoop();
// One pass of the loop; the event it fetched is in loop.input.event.
void RunPass();
// GDI+ first, while it is still loaded; then everything the toolkit holds.
void ShutDown();

}  // namespace full
