#pragma once

#include <string>

namespace mini {

// Everything before the main loop: state, toolkit, skins, GDI+, window,
// gadgets, the remembered folder and entry, audio output and the display timer.
void StartUp();
// The file named on the command line, opened by the first pass.
void OpenAtStart(const std::string& file);

}  // namespace mini
