// deckplayer: the turntable player whose whole record turns.
#include <windows.h>

#include <string>

#include "deck/started_with_file.h"
#include "full/main_loop.h"
#include "full/skin_table.h"
#include "full/startup.h"

// Started with a file while another deckplayer runs, the file goes there.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string file = FileOnCommandLine();
  if (!file.empty()) {
    if (HandToRunningStart(full::kProfile.programName, file)) return 0;
    WorkInOwnFolder();
  }
  full::StartUp();
  full::OpenAtStart(file);
  full::RunMainLoop();
  full::ShutDown();
  return 0;
}
