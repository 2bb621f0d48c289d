#pragma once

namespace mini {

// Passes until the window is asked to close; while the motor runs each pass
// turns and draws the label and lets the deck's controls respond.
void RunMainLoop();
// One pass of the loop; the event it fetched is in loop.input.event.
void RunPass();
// Remembers the folder and the entry, then shuts GDI+ and the toolkit down.
void ShutDown();

}  // namespace mini
