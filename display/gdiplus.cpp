#include "display/gdiplus.h"

#include "display/gdiplus_calls.h"
#include "toolkit/libraries.h"
#include "toolkit/wide_text.h"

// Background thread not suppressed: GDI+ runs its own, so the program never
// has to call the notification hooks the start-up would otherwise hand out.
std::uintptr_t StartGdiplus() {
  loadLibraryAs(kGdiplusLibrary, "gdiplus.dll");
  GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
  ULONG_PTR token = 0;
  gdiplus::GdiplusStartup(&token, &input, nullptr);
  return token;
}

// Each GdiplusShutdown must pair with a successful GdiplusStartup, so a
// failed start-up (token 0) gets none.
int StopGdiplus(std::uintptr_t token) {
  if (token) gdiplus::GdiplusShutdown(token);
  unloadLibrary(kGdiplusLibrary);
  return 0;
}

// The record pictures have Cyrillic names in code page 1251; converting
// through the ANSI code page finds them exactly where that is the system's.
BSTR WideFileName(const std::string& text) {
  std::wstring wide = wideText(text);
  return SysAllocString(wide.c_str());
}

// Only a successful status vouches for the output pointer. The name string
// is needed only during the call: GDI+ opens the file there and then.
void* LoadDiscBitmap(const std::string& fileName) {
  BSTR wideName = WideFileName(fileName);
  if (!wideName) return nullptr;
  GpImage* bitmap = nullptr;
  GpStatus status = gdiplus::GdipCreateBitmapFromFile(wideName, &bitmap);
  SysFreeString(wideName);
  return status == 0 ? bitmap : nullptr;
}
