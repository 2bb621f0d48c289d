#pragma once

namespace mini {

// Everything before the main loop: state, toolkit, skins, GDI+, window,
// gadgets, the remembered folder and entry, audio output and the display timer.
void StartUp();

}  // namespace mini
