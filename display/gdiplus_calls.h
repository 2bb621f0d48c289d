#pragma once
// Every GDI+ flat function the players call, each listed once under its
// exported name with the parameter types of its real declaration. A call goes
// through callByName on library 0, so a missing gdiplus.dll or export calls
// nothing and yields 0; the fixed parameter list converts each argument to
// the kind the export expects (a float angle stays a float, in XMM0..3 on
// x86_64) instead of whatever kind the caller happened to write.
#include <windows.h>

#include <cstdint>
#include <type_traits>

#include "profile/deck_profile.h"
#include "toolkit/libraries.h"

// GDI+'s own objects are opaque behind the flat interface.
struct GpGraphics;
struct GpImage;

using GpStatus = int;
constexpr int kMatrixOrderAppend = 1;

struct GdiplusStartupInput {
  std::uint32_t GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

template <class Signature>
struct GdiplusFunction;

template <class Result, class... Params>
struct GdiplusFunction<Result(Params...)> {
  const char* name;
  Result operator()(Params... args) const {
    int status = callByName(kGdiplusLibrary, name, args...);
    if constexpr (!std::is_void_v<Result>) return static_cast<Result>(status);
  }
};

namespace gdiplus {

inline constexpr GdiplusFunction<GpStatus(ULONG_PTR*, const GdiplusStartupInput*, void*)>
    GdiplusStartup{"GdiplusStartup"};
inline constexpr GdiplusFunction<void(ULONG_PTR)> GdiplusShutdown{"GdiplusShutdown"};
inline constexpr GdiplusFunction<GpStatus(const WCHAR*, GpImage**)> GdipCreateBitmapFromFile{
    "GdipCreateBitmapFromFile"};
inline constexpr GdiplusFunction<GpStatus(HDC, GpGraphics**)> GdipCreateFromHDC{
    "GdipCreateFromHDC"};
inline constexpr GdiplusFunction<GpStatus(GpGraphics*, float, int)> GdipRotateWorldTransform{
    "GdipRotateWorldTransform"};
inline constexpr GdiplusFunction<GpStatus(GpGraphics*, float, float, int)>
    GdipTranslateWorldTransform{"GdipTranslateWorldTransform"};
inline constexpr GdiplusFunction<GpStatus(GpGraphics*, GpImage*, int, int, int, int)>
    GdipDrawImageRectI{"GdipDrawImageRectI"};
inline constexpr GdiplusFunction<GpStatus(GpGraphics*)> GdipResetWorldTransform{
    "GdipResetWorldTransform"};
inline constexpr GdiplusFunction<GpStatus(GpGraphics*)> GdipDeleteGraphics{"GdipDeleteGraphics"};

}  // namespace gdiplus
