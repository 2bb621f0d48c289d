#pragma once

namespace full {

// Everything before the main loop: state, toolkit, skin, GDI+, window,
// gadgets, backdrop, audio output and the display timer.
void StartUp();

}  // namespace full
