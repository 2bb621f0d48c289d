// Label gadgets: a left-aligned STATIC without SS_NOTIFY. Such a static
// answers WM_NCHITTEST with HTTRANSPARENT, so a press over it goes to the
// window beneath and raises no gadget event.
#include <windows.h>

#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"

HWND newLabelGadget(int gadget, int x, int y, int width, int height, const std::string& text) {
  releaseGadget(gadget);
  HWND control = createGadgetControl(gadget, "STATIC", SS_LEFT, 0, x, y, width, height, text);
  if (!control) return nullptr;
  return registerGadget(std::make_unique<Gadget>(gadget, control));
}
