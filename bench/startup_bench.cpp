// Time from process start to the program's window shown and answering
// messages, and the program's peak working set by then, for each program
// named on the command line, run in the current folder; the best of a few
// runs each. The players show their window before start-up ends (the mini
// player lists its folder after that), so the time runs until a message sent
// to the window has been answered: the program is then fetching events. The
// window is then closed the way its close box would, and the program left
// to exit. The first program is the reference of the others.
//   startup_bench.exe LABEL PROGRAM WINDOW_CLASS [LABEL PROGRAM WINDOW_CLASS]...
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;
constexpr DWORD kPatience = 30000;

struct Search {
  DWORD process;
  const char* windowClass;
  HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner != search->process || !IsWindowVisible(window) ||
      lstrcmpA(name, search->windowClass) != 0)
    return TRUE;
  search->found = window;
  return FALSE;
}

struct Run {
  double milliseconds = -1;
  double peakMegabytes = 0;
};

// Polls for the window every millisecond; -1 when it never shows or answers.
Run StartOnce(const std::string& program, const char* windowClass) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const auto start = Clock::now();
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return {};
  Run run;
  Search search{process.dwProcessId, windowClass, nullptr};
  while (!search.found && Clock::now() - start < std::chrono::milliseconds(kPatience) &&
         WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT)
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
  DWORD_PTR answer = 0;
  if (search.found &&
      SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &answer)) {
    run.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
      run.peakMegabytes = memory.PeakWorkingSetSize / 1048576.0;
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, kPatience) == WAIT_TIMEOUT)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (argc - 1) % 3 != 0) {
    std::fprintf(stderr, "usage: startup_bench LABEL PROGRAM WINDOW_CLASS...\n");
    return 2;
  }
  double reference = 0;
  for (int i = 1; i < argc; i += 3) {
    Run best;
    for (int run = 0; run < kRuns; ++run) {
      const Run next = StartOnce(argv[i + 1], argv[i + 2]);
      if (next.milliseconds < 0) {
        std::printf("FAILED: %s showed no %s window\n", argv[i], argv[i + 2]);
        return 1;
      }
      if (best.milliseconds < 0 || next.milliseconds < best.milliseconds) best = next;
    }
    if (i == 1) reference = best.milliseconds;
    std::printf("%-40s start to window answering %6.0f ms (%.2f x %s), peak working set %5.1f MB\n",
                argv[i], best.milliseconds, best.milliseconds / reference, argv[1],
                best.peakMegabytes);
  }
  return 0;
}
