// Prints the names of a folder in the order FindFirstFileA and FindNextFileA
// give them, one a line as hex bytes of the ANSI code page, so the e2e tests
// know the order the players list a folder in.
//   list_folder.exe FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: list_folder FOLDER\n");
    return 2;
  }
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA((std::string(argv[1]) + "\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 1;
  do {
    for (const char* c = entry.cFileName; *c; ++c)
      std::printf("%02x", static_cast<unsigned char>(*c));
    std::printf("\n");
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return 0;
}
