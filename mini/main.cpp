// deckplayer-mini: the turntable player whose record label turns and which
// remembers its folder and entry.
#include <windows.h>

#include "mini/main_loop.h"
#include "mini/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  mini::StartUp();
  mini::RunMainLoop();
  mini::ShutDown();
  return 0;
}
