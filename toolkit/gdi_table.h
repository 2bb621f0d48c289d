#pragma once
// The toolkit's table of GDI objects that are shared by colour, and the
// one font of the gadgets' texts.
#include <windows.h>

// A solid brush of the colour, kept until releaseGdiTable.
HBRUSH solidBrush(COLORREF colour);

// The font of every gadget's text, kept until releaseGdiTable.
HFONT gadgetFont();
