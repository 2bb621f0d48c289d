// deckplayer: until its start-up and main loop land, the smallest real
// program: the turntable's window, closed by its close box.
#include <windows.h>

namespace {

constexpr int kClientWidth = 435;
constexpr int kClientHeight = 360;
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "DeckplayerWindow";
  RegisterClassA(&windowClass);

  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&outer, kStyle, FALSE);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  HWND window = CreateWindowA("DeckplayerWindow", "Ровел mp3", kStyle | WS_VISIBLE,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                              nullptr, nullptr, instance, nullptr);
  if (!window) return 1;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
