#include "toolkit/drawing.h"

#include <cstdlib>

#include "toolkit/drawing_target.h"
#include "toolkit/facilities.h"
#include "toolkit/images.h"
#include "toolkit/unique_handle.h"

namespace {

// Plain data, so it stays valid while other objects are torn down at exit.
struct DrawingState {
  HDC dc = nullptr;
  HBITMAP target = nullptr;
  HGDIOBJ previousBitmap = nullptr;
};

thread_local DrawingState drawing;

// Stock objects belong to the system and are never deleted.
void setDrawingDefaults(HDC dc) {
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
}

SIZE bitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObject(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, std::abs(info.bmHeight)};
}

// HALFTONE averages the source pixels; it needs the brush origin reset.
void stretchFrom(HDC source, SIZE size, int x, int y, int width, int height) {
  if (width == size.cx && height == size.cy) {
    BitBlt(drawing.dc, x, y, width, height, source, 0, 0, SRCCOPY);
    return;
  }
  int previousMode = SetStretchBltMode(drawing.dc, HALFTONE);
  POINT previousOrigin{};
  SetBrushOrgEx(drawing.dc, 0, 0, &previousOrigin);
  StretchBlt(drawing.dc, x, y, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
  SetBrushOrgEx(drawing.dc, previousOrigin.x, previousOrigin.y, nullptr);
  SetStretchBltMode(drawing.dc, previousMode);
}

}  // namespace

HDC beginImageDrawing(int image) {
  endDrawing();
  HBITMAP bitmap = imageHandle(image);
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  HGDIOBJ previous = SelectObject(dc, bitmap);
  if (!previous) {
    DeleteDC(dc);
    return nullptr;
  }
  setDrawingDefaults(dc);
  drawing = DrawingState{dc, bitmap, previous};
  return dc;
}

// FillRect leaves out the right and bottom edges of its rectangle, so the
// rectangle x..x+width covers exactly the pixels x <= px < x + width.
void fillBox(int x, int y, int width, int height, int colour) {
  if (!drawing.dc || width <= 0 || height <= 0) return;
  RECT box{x, y, x + width, y + height};
  SetDCBrushColor(drawing.dc, static_cast<COLORREF>(colour));
  FillRect(drawing.dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A bitmap can be selected into one device context only, so copying the
// target onto itself reads from the drawing context directly.
void blitImage(HBITMAP image, int x, int y, int width, int height) {
  if (!drawing.dc || !image) return;
  SIZE size = bitmapSize(image);
  if (size.cx == 0) return;
  if (width == 0) width = size.cx;
  if (height == 0) height = size.cy;
  if (image == drawing.target) {
    stretchFrom(drawing.dc, size, x, y, width, height);
    return;
  }
  UniqueHdc source(CreateCompatibleDC(drawing.dc));
  if (!source) return;
  SelectionGuard selected(source.get(), image);
  // Selection fails while another thread's drawing holds the bitmap.
  if (GetCurrentObject(source.get(), OBJ_BITMAP) != image) return;
  stretchFrom(source.get(), size, x, y, width, height);
}

void endDrawing() {
  if (!drawing.dc) return;
  SelectObject(drawing.dc, drawing.previousBitmap);
  DeleteDC(drawing.dc);
  drawing = DrawingState{};
}

void endDrawingOn(HBITMAP bitmap) {
  if (bitmap && bitmap == drawing.target) endDrawing();
}

// Components are not masked; unsigned arithmetic lets out-of-range ones wrap
// instead of overflowing.
int makeColour(int red, int green, int blue) {
  unsigned value = static_cast<unsigned>(red) + static_cast<unsigned>(green) * 256u +
                   static_cast<unsigned>(blue) * 65536u;
  return static_cast<int>(value);
}

// The defaults are set on each new drawing context.
void startDrawing() {}

void releaseDrawing() { endDrawing(); }
