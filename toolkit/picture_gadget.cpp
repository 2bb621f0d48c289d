// Image gadgets: a STATIC control with SS_NOTIFY, subclassed to paint its
// image and to raise the mouse events the control has no notification for.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "toolkit/event_queue.h"
#include "toolkit/events.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"
#include "toolkit/unique_handle.h"

namespace {

SIZE imageSize(HBITMAP image) {
  BITMAP bitmap = {};
  if (!image || !GetObjectA(image, sizeof bitmap, &bitmap)) return {0, 0};
  return {bitmap.bmWidth, bitmap.bmHeight};
}

class PictureGadget : public Gadget {
 public:
  PictureGadget(int number, HWND control, HBITMAP image) : Gadget(number, control) {
    showImage(image);
  }

  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // The control sends STN_DBLCLK, STN_ENABLE and STN_DISABLE as well; the
  // double-click is posted as type 2 instead, and the others are no events.
  bool takeNotification(int code) override { return code != STN_CLICKED; }

  void setValue(std::intptr_t value) override {
    // Clearing a gadget that shows nothing changes nothing on screen; the mini
    // player's loop clears the start/stop highlight on every pass.
    if (!value && !image_) return;
    showImage(reinterpret_cast<HBITMAP>(value));
    if (image_)
      UpdateWindow(control());
    else
      repaintParentUnder(control(), true);
  }

  std::intptr_t value() const override { return reinterpret_cast<std::intptr_t>(image_); }

  // Without an image the gadget paints nothing; its parent paints the area.
  void redraw() override {
    if (image_)
      InvalidateRect(control(), nullptr, FALSE);
    else
      repaintParentUnder(control(), false);
  }

 private:
  void showImage(HBITMAP image);
  void paintInto(HDC dc);
  void paint();
  void startPress(LPARAM lParam);
  void followPress(WPARAM wParam, LPARAM lParam);
  void endRightClick();

  HBITMAP image_ = nullptr;
  POINT pressPoint_ = {};
  bool afterRightDoubleClick_ = false;
};

// An image sets the gadget's size; without one the size stays as it is.
void PictureGadget::showImage(HBITMAP image) {
  image_ = image;
  SIZE size = imageSize(image);
  if (size.cx > 0 && size.cy > 0) {
    SetWindowPos(control(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  redraw();
}

// One blit of the whole image and no erase: the record frames change
// hundreds of times a second, and an erase first would flash.
void PictureGadget::paintInto(HDC dc) {
  if (!image_) return;
  RECT client;
  GetClientRect(control(), &client);
  SIZE size = imageSize(image_);
  UniqueHdc source(CreateCompatibleDC(dc));
  SelectionGuard selected(source.get(), image_);
  BitBlt(dc, 0, 0, std::min<LONG>(size.cx, client.right), std::min<LONG>(size.cy, client.bottom),
         source.get(), 0, 0, SRCCOPY);
}

void PictureGadget::paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control(), &paint);
  paintInto(dc);
  EndPaint(control(), &paint);
}

void PictureGadget::startPress(LPARAM lParam) {
  SetCapture(control());
  pressPoint_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Held further than the system's drag distance: the press becomes a drag.
void PictureGadget::followPress(WPARAM wParam, LPARAM lParam) {
  if (!(wParam & MK_LBUTTON) || GetCapture() != control()) return;
  int dx = std::abs(static_cast<short>(LOWORD(lParam)) - pressPoint_.x);
  int dy = std::abs(static_cast<short>(HIWORD(lParam)) - pressPoint_.y);
  if (dx <= GetSystemMetrics(SM_CXDRAG) && dy <= GetSystemMetrics(SM_CYDRAG)) return;
  ReleaseCapture();
  postGadgetEvent(control(), number(), kDragStart);
}

// The release that ends a right double-click is not a right click of its own.
void PictureGadget::endRightClick() {
  if (!afterRightDoubleClick_) postGadgetEvent(control(), number(), kRightClick);
  afterRightDoubleClick_ = false;
}

bool PictureGadget::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PAINT: paint(); return true;
    case WM_PRINTCLIENT: paintInto(reinterpret_cast<HDC>(wParam)); return true;
    case WM_ENABLE:  // the static would paint itself at once, over the image
      redraw();
      return true;
    case WM_LBUTTONDOWN:
      startPress(lParam);
      return false;  // the control's own handling sends STN_CLICKED
    case WM_MOUSEMOVE: followPress(wParam, lParam); return false;
    case WM_LBUTTONUP:
      if (GetCapture() == control()) ReleaseCapture();
      return false;
    case WM_LBUTTONDBLCLK: postGadgetEvent(control(), number(), kLeftDoubleClick); return false;
    case WM_RBUTTONUP: endRightClick(); return false;
    case WM_RBUTTONDBLCLK:
      afterRightDoubleClick_ = true;
      postGadgetEvent(control(), number(), kRightDoubleClick);
      return false;
  }
  return false;
}

}  // namespace

// With an image the gadget takes the image's size, whatever width and height say.
HWND newPictureGadget(int gadget, int x, int y, int width, int height, HBITMAP image) {
  releaseGadget(gadget);
  HWND control = createGadgetControl(gadget, "STATIC", SS_NOTIFY, 0, x, y, width, height, "");
  if (!control) return nullptr;
  return registerGadget(std::make_unique<PictureGadget>(gadget, control, image));
}
