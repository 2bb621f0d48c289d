// deckplayer: the turntable player whose whole record turns.
#include <windows.h>

#include "full/main_loop.h"
#include "full/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  full::StartUp();
  full::RunMainLoop();
  full::ShutDown();
  return 0;
}
