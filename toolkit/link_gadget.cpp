// Link gadgets: a STATIC subclassed to paint its own one-line text, in the
// hover colour while it holds the mouse capture. The capture is how it sees
// the cursor leave; whoever takes the capture away (a dialog, another
// window) makes it lose the hover colour too, through WM_CAPTURECHANGED.
#include <windows.h>

#include "toolkit/event_queue.h"
#include "toolkit/events.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"
#include "toolkit/gdi_table.h"
#include "toolkit/unique_handle.h"

namespace {

COLORREF colourOrBlack(int colour) {
  return colour == kDefaultColour ? RGB(0, 0, 0) : static_cast<COLORREF>(colour);
}

class LinkGadget : public Gadget {
 public:
  LinkGadget(int number, HWND control, int hoverColour)
      : Gadget(number, control), hoverColour_(hoverColour) {}

  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // With a transparent background the parent's picture must be put back under the text.
  void redraw() override {
    if (colours().hasTransparentBack())
      repaintParentUnder(control(), false);
    else
      InvalidateRect(control(), nullptr, FALSE);
  }

 private:
  bool hovered() const { return GetCapture() == control(); }
  COLORREF textColour() const;
  void paintInto(HDC dc);
  void paint();
  void followCursor(LPARAM lParam);
  bool isInside(LPARAM lParam) const;

  int hoverColour_;
};

COLORREF LinkGadget::textColour() const {
  if (!IsWindowEnabled(control())) return GetSysColor(COLOR_GRAYTEXT);
  return colourOrBlack(hovered() ? hoverColour_ : colours().own.text);
}

// The parent's brush first (none when it answers a null brush), then the
// text at the top-left corner, cut off at the gadget's edges.
void LinkGadget::paintInto(HDC dc) {
  RECT client;
  GetClientRect(control(), &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(control()), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(control())));
  if (brush) FillRect(dc, &client, brush);
  SelectionGuard font(dc, gadgetFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour());
  std::string text = caption();
  DrawTextA(dc, text.c_str(), -1, &client, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

void LinkGadget::paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control(), &paint);
  paintInto(dc);
  EndPaint(control(), &paint);
}

bool LinkGadget::isInside(LPARAM lParam) const {
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  RECT client;
  GetClientRect(control(), &client);
  return PtInRect(&client, point) != 0;
}

// While captured the gadget gets every move, inside or not, and no
// WM_SETCURSOR, so the hand is set here as well.
void LinkGadget::followCursor(LPARAM lParam) {
  if (!isInside(lParam)) {
    if (hovered()) ReleaseCapture();
    return;
  }
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  if (hovered()) return;
  SetCapture(control());
  redraw();
}

bool LinkGadget::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_NCHITTEST:  // a static without SS_NOTIFY would let the mouse through
      result = HTCLIENT;
      return true;
    case WM_SETCURSOR:
      SetCursor(LoadCursorA(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PAINT: paint(); return true;
    case WM_PRINTCLIENT: paintInto(reinterpret_cast<HDC>(wParam)); return true;
    case WM_SETTEXT:  // stored without the static painting its own text at once
      result = DefWindowProcA(control(), message, wParam, lParam);
      redraw();
      return true;
    case WM_MOUSEMOVE: followCursor(lParam); return true;
    case WM_CAPTURECHANGED: redraw(); return true;
    case WM_LBUTTONUP:
      if (isInside(lParam)) postGadgetEvent(control(), number(), kLeftClick);
      return true;
    case WM_ENABLE:  // the static would paint itself at once, in its own way
      redraw();
      return true;
  }
  return false;
}

}  // namespace

HWND newLinkGadget(int gadget, int x, int y, int width, int height, const std::string& text,
                   int hoverColour) {
  releaseGadget(gadget);
  HWND control = createGadgetControl(gadget, "STATIC", SS_LEFT, 0, x, y, width, height, text);
  if (!control) return nullptr;
  return registerGadget(std::make_unique<LinkGadget>(gadget, control, hoverColour));
}
