// Brushes shared by colour: gadgets that ask for the same colour share one;
// and the gadgets' font.
#include "toolkit/gdi_table.h"

#include <map>

#include "toolkit/facilities.h"
#include "toolkit/unique_handle.h"

namespace {

std::map<COLORREF, UniqueHbrush>& brushes() {
  static std::map<COLORREF, UniqueHbrush> table;
  return table;
}

UniqueHfont& font() {
  static UniqueHfont gadgets;
  return gadgets;
}

}  // namespace

HBRUSH solidBrush(COLORREF colour) {
  UniqueHbrush& brush = brushes()[colour];
  if (!brush) brush.reset(CreateSolidBrush(colour));
  return brush.get();
}

// The system's GUI font at 11 pixels, its size at 96 dpi: the panel's slots
// are rows of the fixed skin bitmap, so the text must not grow with the
// display's scale, which the stock font does in a DPI-aware program.
HFONT gadgetFont() {
  if (!font()) {
    LOGFONTA face{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = -11;
    face.lfWidth = 0;
    font().reset(CreateFontIndirectA(&face));
  }
  return font() ? font().get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void releaseGdiTable() {
  brushes().clear();
  font().reset();
}
