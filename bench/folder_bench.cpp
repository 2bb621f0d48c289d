// Opening a big folder in the full player's real window and toolkit: the
// folder scan alone, the search for the chosen file alone and the whole open
// step (from the requester's answer to StartTrack having run), beside the
// bare platform calls the step cannot do without: a FindFirstFileA /
// FindNextFileA loop over the same folder and as many LB_ADDSTRING calls on
// a list with redraw off. Each figure is the best of five runs.
//   folder_bench.exe ROOT TONE_WAV SIZE...
// ROOT\SIZE\ holds SIZE empty .wav files; the file listed last is replaced
// by a copy of TONE_WAV, so the chosen file is the last entry of the list.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "full/main_loop.h"
#include "full/skin_table.h"
#include "full/startup.h"
#include "full/state.h"
#include "player/folder_scan.h"
#include "player/open_file.h"
#include "tests/unit/player/folder_listing.h"
#include "toolkit/toolkit.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class Step>
double BestMilliseconds(int runs, Step step) {
  double best = 1e300;
  for (int run = 0; run < runs; ++run) {
    const auto start = Clock::now();
    step();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

// The bare listing: every name of the folder, "." and ".." included.
std::vector<std::string> ListFolder(const std::string& folder) {
  return ListedNames(folder + "*.*");
}

// The same control class and styles as the track list, beside it.
HWND NewBareList() {
  constexpr DWORD kStyle = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                           WS_HSCROLL | WS_CHILD | WS_VISIBLE;
  return CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", kStyle, 0, 0, 200, 150,
                         windowHandle(kMainWindow), nullptr, GetModuleHandleA(nullptr), nullptr);
}

void AddBare(HWND list, const std::vector<std::string>& names) {
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (const std::string& name : names)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

struct Figures {
  double scan, search, open, bareListing, bareAdding;
};

Figures Measure(const std::string& folder, const std::string& chosen, HWND bareList) {
  const DeckProfile& profile = full::kProfile;
  const int runs = 5;
  const std::string path = folder + chosen;
  Figures f{};
  f.bareListing = BestMilliseconds(runs, [&] { ListFolder(folder); });
  const std::vector<std::string> names = ListFolder(folder);
  f.bareAdding = BestMilliseconds(runs, [&] { AddBare(bareList, names); });
  SendMessageA(bareList, LB_RESETCONTENT, 0, 0);
  full::state.folderPath = path;
  f.scan = BestMilliseconds(runs, [&] { ScanFolder(full::state, profile); });
  f.search = BestMilliseconds(runs, [&] { SelectEntryNamed(full::state, profile, chosen); });
  f.open = BestMilliseconds(runs, [&] { OpenPath(full::deck, path); });
  if (gadgetCaption(profile.listGadget) != chosen || full::state.trackCount < 1) {
    std::printf("FAILED: %s was not selected after the open step\n", chosen.c_str());
    std::exit(1);
  }
  return f;
}

// The name the listing gives last, which the list will hold last.
std::string LastListed(const std::string& folder) {
  std::vector<std::string> names = ListFolder(folder);
  return names.empty() ? std::string() : names.back();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: folder_bench ROOT TONE_WAV SIZE...\n");
    return 2;
  }
  full::StartUp();
  HWND bareList = NewBareList();
  std::printf("%8s %10s %10s %10s | %12s %12s | %12s %12s\n", "entries", "scan ms", "search ms",
              "open ms", "bare find ms", "bare add ms", "scan / bare", "open / bare");
  for (int i = 3; i < argc; ++i) {
    const std::string folder = std::string(argv[1]) + "\\" + argv[i] + "\\";
    const std::string chosen = LastListed(folder);
    if (chosen.empty() || !CopyFileA(argv[2], (folder + chosen).c_str(), FALSE)) {
      std::printf("FAILED: no folder of entries at %s\n", folder.c_str());
      return 1;
    }
    const Figures f = Measure(folder, chosen, bareList);
    const double bare = f.bareListing + f.bareAdding;
    std::printf("%8s %10.1f %10.1f %10.1f | %12.1f %12.1f | %12.2f %12.2f\n", argv[i], f.scan,
                f.search, f.open, f.bareListing, f.bareAdding, f.scan / bare, f.open / bare);
  }
  full::ShutDown();
  return 0;
}
