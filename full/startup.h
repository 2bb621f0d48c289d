#pragma once

#include <string>

namespace full {

// Everything before the main loop: state, toolkit, skin, GDI+, window,
// gadgets, backdrop, audio output and the display timer.
void StartUp();
// The file named on the command line, opened by the first pass.
void OpenAtStart(const std::string& file);

}  // namespace full
