#include "toolkit/images.h"

#include <memory>

#include "toolkit/drawing_target.h"
#include "toolkit/facilities.h"
#include "toolkit/png_decode.h"
#include "toolkit/registry.h"
#include "toolkit/unique_handle.h"

namespace {

struct Image {
  UniqueHbitmap bitmap;
  int width = 0;
  int height = 0;

  Image(HBITMAP handle, int w, int h) : bitmap(handle), width(w), height(h) {}
  // A bitmap still selected into the drawing context cannot be deleted.
  ~Image() { endDrawingOn(bitmap.get()); }
};

Registry<Image>& images() {
  static Registry<Image> registry;
  return registry;
}

HBITMAP store(int image, UniqueHbitmap bitmap, int width, int height) {
  if (!bitmap) return nullptr;
  HBITMAP handle = bitmap.get();
  images().create(image, std::make_unique<Image>(bitmap.release(), width, height));
  return handle;
}

// A top-down DIB section; the system hands it out zeroed, that is black.
UniqueHbitmap newDibSection(int width, int height, int depth, void** bits) {
  if (width <= 0 || height <= 0) return UniqueHbitmap();
  if (depth != 16 && depth != 24 && depth != 32) return UniqueHbitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(depth);
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueHbitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// Rows of a DIB are padded to whole 32-bit words.
std::size_t dibStride(int width, int depth) {
  return ((static_cast<std::size_t>(width) * depth + 31) / 32) * 4;
}

class DibRows : public PngRows {
 public:
  unsigned char* rowsFor(const PngShape& shape, std::size_t& stride) override {
    int depth = shape.channels * 8;
    void* bits = nullptr;
    bitmap = newDibSection(shape.width, shape.height, depth, &bits);
    if (!bitmap) return nullptr;
    width = shape.width;
    height = shape.height;
    stride = dibStride(width, depth);
    return static_cast<unsigned char*>(bits);
  }

  UniqueHbitmap bitmap;
  int width = 0;
  int height = 0;
};

// CreateCompatibleBitmap leaves the contents undefined.
void paintBlack(HBITMAP bitmap, int width, int height) {
  UniqueHdc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  SelectionGuard selected(dc.get(), bitmap);
  PatBlt(dc.get(), 0, 0, width, height, BLACKNESS);
}

}  // namespace

// libpng needs no global set-up; the call stays for the programs' start-up order.
void enablePngDecoding() {}

HBITMAP decodeImage(int image, const void* data, std::size_t size) {
  images().release(image);
  DibRows rows;
  if (!decodePng(data, size, rows)) return nullptr;
  return store(image, std::move(rows.bitmap), rows.width, rows.height);
}

HBITMAP newImage(int image, int width, int height, int depth) {
  images().release(image);
  void* bits = nullptr;
  return store(image, newDibSection(width, height, depth, &bits), width, height);
}

HBITMAP newScreenImage(int image, int width, int height) {
  images().release(image);
  if (width <= 0 || height <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  UniqueHbitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  if (bitmap) paintBlack(bitmap.get(), width, height);
  return store(image, std::move(bitmap), width, height);
}

HBITMAP imageHandle(int image) {
  Image* found = images().find(image);
  return found ? found->bitmap.get() : nullptr;
}

int imageWidth(int image) {
  Image* found = images().find(image);
  return found ? found->width : 0;
}

int imageHeight(int image) {
  Image* found = images().find(image);
  return found ? found->height : 0;
}

void releaseImages() { images().releaseAll(); }
