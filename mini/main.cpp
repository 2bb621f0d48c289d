// deckplayer-mini: the turntable player whose record label turns and which
// remembers its folder and entry.
#include <windows.h>

#include <string>

#include "deck/started_with_file.h"
#include "mini/main_loop.h"
#include "mini/skin_table.h"
#include "mini/startup.h"

// Started with a file while another deckplayer-mini runs, the file goes there.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string file = FileOnCommandLine();
  if (!file.empty()) {
    if (HandToRunningStart(mini::kProfile.programName, file)) return 0;
    WorkInOwnFolder();
  }
  mini::StartUp();
  mini::OpenAtStart(file);
  mini::RunMainLoop();
  mini::ShutDown();
  return 0;
}
