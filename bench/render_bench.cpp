// Milliseconds per DrawRecord frame for the full and the mini build's
// numbers, under the system's GDI+ with the shipped record pictures, beside
// the bare GDI+ calls it makes on the same canvas (the ratio is our
// overhead), and the passes per second of a plain loop (fetch, draw, show).
// Prints figures only.
//   render_bench.exe [RECORD_FOLDER [SECONDS]]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/passes_per_second.h"
#include "display/gdiplus.h"
#include "display/record_renderer.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "toolkit/toolkit.h"

namespace {

// The GDI+ calls of one DrawRecord frame, through pointers looked up once.
class BareGdiplus {
 public:
  BareGdiplus() : module_(GetModuleHandleA("gdiplus.dll")) {}
  bool loaded() const {
    return createFromHdc_ && rotate_ && translate_ && draw_ && reset_ && deleteGraphics_;
  }

  void Frame(HDC dc, void* bitmap, int side, float angle) const {
    void* graphics = nullptr;
    createFromHdc_(dc, &graphics);
    rotate_(graphics, angle, 1);
    translate_(graphics, side / 2.0f, side / 2.0f, 1);
    draw_(graphics, bitmap, side / 2, side / 2, -side, -side);
    reset_(graphics);
    deleteGraphics_(graphics);
  }

 private:
  template <class Function>
  Function* Find(const char* name) const {
    return module_ ? reinterpret_cast<Function*>(GetProcAddress(module_, name)) : nullptr;
  }

  HMODULE module_;
  int(WINAPI* createFromHdc_)(HDC, void**) = Find<int WINAPI(HDC, void**)>("GdipCreateFromHDC");
  int(WINAPI* rotate_)(void*, float,
                       int) = Find<int WINAPI(void*, float, int)>("GdipRotateWorldTransform");
  int(WINAPI* translate_)(void*, float, float, int) =
      Find<int WINAPI(void*, float, float, int)>("GdipTranslateWorldTransform");
  int(WINAPI* draw_)(void*, void*, int, int, int, int) =
      Find<int WINAPI(void*, void*, int, int, int, int)>("GdipDrawImageRectI");
  int(WINAPI* reset_)(void*) = Find<int WINAPI(void*)>("GdipResetWorldTransform");
  int(WINAPI* deleteGraphics_)(void*) = Find<int WINAPI(void*)>("GdipDeleteGraphics");
};

// Milliseconds per frame of the bare calls on the canvas image's own bitmap.
double BareFrameMilliseconds(void* record, int side, double seconds) {
  const BareGdiplus calls;
  if (!calls.loaded() || !record) return 0;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, imageHandle(kCanvasImage));
  float angle = 0.0f;
  const double frames = PassesPerSecond(
      [&] {
        angle += 1.5f;
        calls.Frame(dc, record, side, angle);
      },
      seconds);
  SelectObject(dc, old);
  DeleteDC(dc);
  return 1000.0 / frames;
}

struct Layout {
  const char* name;
  const char* picture;
  int side;          // the canvas square
  int canvasGadget;  // the platter's image gadget
  int left, top;     // where it stands in the client area
};

// Each build's own profile, its state showing the power on and the record playing.
DeckProfile RendererProfile(bool isFull) {
  full::state.powerSwitchX = full::kHidden;
  full::state.powerLampX = full::kPowerLampOn;
  full::state.glowCanvasX = full::kHidden;
  mini::state.pausedSkinX = mini::kSkinAway;
  mini::state.playingSkinX = mini::kSkinShown;
  return isFull ? full::kProfile : mini::kProfile;
}

// The skins are 24-bit like the decoded PNGs; their content costs nothing extra.
void MakeImages(bool full, int side) {
  newImage(kCanvasImage, side, side, 32);
  for (const CanvasLayer& layer : RendererProfile(full).beneath)
    newImage(layer.image, layer.width, layer.height, 24);
  for (const CanvasLayer& layer : RendererProfile(full).above)
    newImage(layer.image, layer.width, layer.height, 24);
}

void Measure(const Layout& layout, bool full, const std::string& folder, double seconds) {
  MakeImages(full, layout.side);
  newWindow(kMainWindow, 0, 0, kDeck.clientWidth, kDeck.closedHeight, kProgramTitle,
            kDeckWindowFlags);
  newPictureGadget(layout.canvasGadget, layout.left, layout.top, layout.side, layout.side,
                   imageHandle(kCanvasImage));
  void* record = LoadDiscBitmap(folder + layout.picture);
  const DeckProfile profile = RendererProfile(full);
  float angle = 0.0f;
  auto frame = [&] {
    angle += 1.5f;
    if (angle >= 360.0f) angle -= 360.0f;
    DrawRecord(profile, record, kCanvasImage, angle);
  };
  const double frames = PassesPerSecond(frame, seconds);
  const double bareFrames =
      PassesPerSecond([&] { DrawRecord(profile, nullptr, kCanvasImage, angle); }, seconds);
  const double passes = PassesPerSecond(
      [&] {
        pollEvent();
        frame();
        setGadgetValue(layout.canvasGadget,
                       reinterpret_cast<std::intptr_t>(imageHandle(kCanvasImage)));
      },
      seconds);
  const double bareCalls = BareFrameMilliseconds(record, layout.side, seconds);
  std::printf(
      "%-16s %3dx%-3d record %-7s DrawRecord %7.3f ms/frame (%.3f without the record),"
      " loop %5.0f passes/s\n",
      layout.name, layout.side, layout.side, record ? "loaded" : "MISSING", 1000.0 / frames,
      1000.0 / bareFrames, passes);
  if (bareCalls <= 0) {
    std::printf("FAILED: no bare GDI+ reference (gdiplus.dll or the record picture missing)\n");
    std::exit(1);
  }
  std::printf("%-16s bare GDI+ calls of a frame %7.3f ms/frame; DrawRecord / bare GDI+ = %.2f\n",
              layout.name, bareCalls, 1000.0 / frames / bareCalls);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
  const double seconds = argc > 2 ? std::atof(argv[2]) : 3.0;
  startToolkit();
  const std::uintptr_t token = StartGdiplus();
  std::printf("GDI+ %s\n", token ? "started" : "MISSING: frames without the record");
  Measure({"deckplayer", "ровел2.png", full::kCanvasSize, full::kCanvasGadget, full::kCanvasLeft,
           full::kCanvasTop},
          true, folder, seconds);
  Measure({"deckplayer-mini", "ровел_мини4.png", mini::kCanvasSize, mini::kCanvasGadget,
           mini::kCanvasLeft, mini::kCanvasTop},
          false, folder, seconds);
  StopGdiplus(token);
  releaseToolkit();
  return 0;
}
