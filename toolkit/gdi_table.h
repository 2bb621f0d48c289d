#pragma once
// The toolkit's table of GDI objects that are shared by colour.
#include <windows.h>

// A solid brush of the colour, kept until releaseGdiTable.
HBRUSH solidBrush(COLORREF colour);
