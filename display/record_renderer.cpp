#include "display/record_renderer.h"

#include "display/gdiplus_calls.h"
#include "display/headshell.h"
#include "toolkit/drawing.h"
#include "toolkit/images.h"

namespace {

void DrawLayers(std::span<const CanvasLayer> layers) {
  for (const CanvasLayer& layer : layers)
    blitImage(imageHandle(layer.image), *layer.x, layer.y, layer.width, layer.height);
}

// Both transforms are appended: points are turned about the origin, then
// moved to the canvas centre. The destination has its corner at the centre
// and negative extents, so before the transform it is centred on the origin
// and mirrored in both axes: at angle 0 the picture shows turned by half a
// turn. With GDI+'s downward y axis a growing angle turns it clockwise.
void DrawTurnedPicture(GpGraphics* graphics, void* bitmap, int width, int height, float angle) {
  float centreX = width / 2.0f;
  float centreY = height / 2.0f;
  gdiplus::GdipRotateWorldTransform(graphics, angle, kMatrixOrderAppend);
  gdiplus::GdipTranslateWorldTransform(graphics, centreX, centreY, kMatrixOrderAppend);
  gdiplus::GdipDrawImageRectI(graphics, static_cast<GpImage*>(bitmap), width / 2, height / 2,
                              -width, -height);
  gdiplus::GdipResetWorldTransform(graphics);
}

}  // namespace

// Without gdiplus.dll, or without the picture, every GDI+ call fails
// harmlessly and the frame is the fill, the skin and the overlays.
void DrawRecord(const DeckProfile& profile, void* bitmap, int canvasImage, float angle) {
  int width = imageWidth(canvasImage);
  int height = imageHeight(canvasImage);
  HDC dc = beginImageDrawing(canvasImage);
  if (!dc) return;
  fillBox(0, 0, width, height, profile.canvasFill);
  DrawLayers(profile.beneath);
  GpGraphics* graphics = nullptr;
  gdiplus::GdipCreateFromHDC(dc, &graphics);
  DrawTurnedPicture(graphics, bitmap, width, height, angle);
  if (profile.headshellOverlay) DrawHeadshell();
  DrawLayers(profile.above);
  endDrawing();
  gdiplus::GdipDeleteGraphics(graphics);
}
