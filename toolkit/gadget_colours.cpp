// How a parent answers a gadget's colour question (WM_CTLCOLORSTATIC,
// WM_CTLCOLORLISTBOX and the like) from the gadget's colours.
#include "toolkit/gadget_colours.h"

#include "toolkit/gdi_table.h"

namespace {

// Edit-like controls default to the window colours, all others to the button colours.
bool usesWindowColours(HWND control) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  for (const char* kind : {"Edit", "ListBox", "ComboBox", "ComboLBox", "SysListView32",
                           "SysTreeView32", "RichEdit", "RICHEDIT"}) {
    if (_strnicmp(name, kind, lstrlenA(kind)) == 0) return true;
  }
  return false;
}

void answerBack(HDC dc, int back, bool windowColours, LRESULT& result) {
  if (back == kTransparentColour) {
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return;
  }
  COLORREF colour = back == kDefaultColour
                        ? GetSysColor(windowColours ? COLOR_WINDOW : COLOR_BTNFACE)
                        : static_cast<COLORREF>(back);
  SetBkColor(dc, colour);
  result = reinterpret_cast<LRESULT>(solidBrush(colour));
}

}  // namespace

bool GadgetColours::answer(HDC dc, HWND control, LRESULT& result) const {
  if (!isGiven) return false;
  bool windowColours = usesWindowColours(control);
  const ColourPair& colours = answered();
  SetTextColor(dc, colours.text == kDefaultColour
                       ? GetSysColor(windowColours ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)
                       : static_cast<COLORREF>(colours.text));
  answerBack(dc, colours.back, windowColours, result);
  return true;
}
