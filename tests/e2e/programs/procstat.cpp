// Prints what a long run watches for leaks in the program that owns the first
// window of a class:
//   gdi-objects user-objects windows handles private-bytes threads
// Wine answers GetGuiResources, the handle count and the private bytes of
// another process with 0, so the windows of the process (top-level and
// child, which are USER objects) are counted here too, and the caller reads
// the rest on the Linux side.
//   procstat CLASS
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>

namespace {

// A lambda converts only to a function of the default calling convention,
// which on i686 is not the CALLBACK (stdcall) that EnumChildWindows takes.
BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

struct ThreadCounts {
  DWORD threads = 0;
  DWORD windows = 0;  // top-level and child windows of those threads
};

// One walk over the process's threads counts them and their windows.
ThreadCounts CountThreads(DWORD pid) {
  ThreadCounts counts;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return counts;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != pid) continue;
    ++counts.threads;
    EnumThreadWindows(entry.th32ThreadID, CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
  }
  CloseHandle(snapshot);
  return counts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: procstat CLASS\n");
    return 2;
  }
  HWND window = FindWindowA(argv[1], nullptr);
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid)) {
    std::fprintf(stderr, "procstat: no window of class %s\n", argv[1]);
    return 1;
  }
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) {
    std::fprintf(stderr, "procstat: cannot open process %lu\n", pid);
    return 1;
  }
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  const ThreadCounts counts = CountThreads(pid);
  std::printf("%lu %lu %lu %lu %llu %lu\n", GetGuiResources(process, GR_GDIOBJECTS),
              GetGuiResources(process, GR_USEROBJECTS), counts.windows, handles,
              static_cast<unsigned long long>(memory.PrivateUsage), counts.threads);
  CloseHandle(process);
  return 0;
}
