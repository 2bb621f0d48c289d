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

DWORD ThreadsOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) ++count;
  CloseHandle(snapshot);
  return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  EnumChildWindows(window, [](HWND, LPARAM n) { ++*reinterpret_cast<DWORD*>(n); return TRUE; }, count);
  return TRUE;
}

DWORD WindowsOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) EnumThreadWindows(entry.th32ThreadID, CountWindow, reinterpret_cast<LPARAM>(&count));
  CloseHandle(snapshot);
  return count;
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
  std::printf("%lu %lu %lu %lu %llu %lu\n", GetGuiResources(process, GR_GDIOBJECTS),
              GetGuiResources(process, GR_USEROBJECTS), WindowsOf(pid), handles,
              static_cast<unsigned long long>(memory.PrivateUsage), ThreadsOf(pid));
  CloseHandle(process);
  return 0;
}
