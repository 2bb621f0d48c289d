// The gadget colour table: what a parent answers when a gadget asks for its
// colours (WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX and the like).
#include "toolkit/gadget_colours.h"

#include <map>

#include "toolkit/facilities.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"
#include "toolkit/gdi_table.h"

namespace {

// A gadget's own colours (setGadgetColour) and those of the colouring routine
// (applyGadgetColours) are kept apart: a link keeps its own text colour for
// its text while the routine makes its background transparent.
struct ColourPair {
  int text = kDefaultColour;
  int back = kDefaultColour;
};

struct GadgetColours {
  ColourPair own;
  ColourPair applied;
  bool isApplied = false;

  const ColourPair& answered() const { return isApplied ? applied : own; }
};

std::map<HWND, GadgetColours>& colourTable() {
  static std::map<HWND, GadgetColours> table;
  return table;
}

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

GadgetColours* coloursOf(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? &colourTable()[found->control()] : nullptr;
}

}  // namespace

bool answerColourQuestion(UINT message, HDC dc, HWND control, LRESULT& result) {
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return false;
  auto found = colourTable().find(control);
  if (found == colourTable().end()) return false;
  bool windowColours = usesWindowColours(control);
  const ColourPair& colours = found->second.answered();
  SetTextColor(dc, colours.text == kDefaultColour
                       ? GetSysColor(windowColours ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)
                       : static_cast<COLORREF>(colours.text));
  answerBack(dc, colours.back, windowColours, result);
  return true;
}

bool hasTransparentBack(HWND control) {
  auto found = colourTable().find(control);
  return found != colourTable().end() && found->second.answered().back == kTransparentColour;
}

int gadgetColourOf(HWND control, int which) {
  auto found = colourTable().find(control);
  if (found == colourTable().end()) return kDefaultColour;
  return which == kTextColour ? found->second.own.text : found->second.own.back;
}

void forgetGadgetColours(HWND control) { colourTable().erase(control); }

// Transparency is only a background of the colouring routine: given here it
// would make a label's box vanish without anything repainting under it.
void setGadgetColour(int gadget, int which, int colour) {
  GadgetColours* colours = coloursOf(gadget);
  if (!colours || (which != kTextColour && which != kBackColour)) return;
  if (colour == kTransparentColour) colour = kDefaultColour;
  (which == kTextColour ? colours->own.text : colours->own.back) = colour;
  findGadget(gadget)->redraw();
}

void applyGadgetColours(int gadget, int textColour, int backColour) {
  GadgetColours* colours = coloursOf(gadget);
  if (!colours) return;
  colours->applied.text = textColour == kTransparentColour ? kDefaultColour : textColour;
  colours->applied.back = backColour;
  colours->isApplied = true;
  findGadget(gadget)->redraw();
}

void releaseGadgetColours() { colourTable().clear(); }
