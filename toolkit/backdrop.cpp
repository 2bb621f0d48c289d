// Window backgrounds: an image tiled over the client area on every erase.
#include <windows.h>

#include <map>

#include "toolkit/facilities.h"
#include "toolkit/unique_handle.h"
#include "toolkit/window.h"
#include "toolkit/window_internal.h"

namespace {

// The images stay owned by their image numbers; this only remembers which.
std::map<HWND, HBITMAP>& backdrops() {
  static std::map<HWND, HBITMAP> table;
  return table;
}

}  // namespace

int setWindowBackdrop(HWND window, HBITMAP image) {
  if (!window || !image || !IsWindow(window)) return 0;
  backdrops()[window] = image;
  // Erase and repaint now, children too: image gadgets without an image show
  // the backdrop through, and they paint nothing of their own.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return 1;
}

// Copies the whole image at every multiple of its size that starts inside
// the client area, so the area is covered from the top-left corner on.
bool paintBackdrop(HWND window, HDC dc) {
  auto found = backdrops().find(window);
  if (found == backdrops().end()) return false;
  BITMAP image;
  if (!GetObjectA(found->second, sizeof image, &image) || image.bmWidth <= 0 ||
      image.bmHeight <= 0) {
    return false;
  }
  RECT client;
  GetClientRect(window, &client);
  UniqueHdc source(CreateCompatibleDC(dc));
  if (!source) return false;
  SelectionGuard selected(source.get(), found->second);
  for (int y = 0; y < client.bottom; y += image.bmHeight) {
    for (int x = 0; x < client.right; x += image.bmWidth) {
      BitBlt(dc, x, y, image.bmWidth, image.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
  }
  return true;
}

void forgetBackdrop(HWND window) { backdrops().erase(window); }

void releaseBackdrops() { backdrops().clear(); }
