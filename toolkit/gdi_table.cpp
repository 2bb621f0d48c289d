// Brushes shared by colour: gadgets that ask for the same colour share one.
#include "toolkit/gdi_table.h"

#include <map>

#include "toolkit/facilities.h"
#include "toolkit/unique_handle.h"

namespace {

std::map<COLORREF, UniqueHbrush>& brushes() {
  static std::map<COLORREF, UniqueHbrush> table;
  return table;
}

}  // namespace

HBRUSH solidBrush(COLORREF colour) {
  UniqueHbrush& brush = brushes()[colour];
  if (!brush) brush.reset(CreateSolidBrush(colour));
  return brush.get();
}

void releaseGdiTable() { brushes().clear(); }
