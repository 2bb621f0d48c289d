#pragma once
// Files handed to the program from outside: dropped on one of its windows,
// or passed on by another start of the program with a file to open.
#include <windows.h>

#include <string>

// Lets the window take files dropped on it.
void acceptDroppedFiles(int window);
// The file handed over in the last fetch (the first of those dropped, or the
// one another start passed on); empty for none.
std::string lastHandedFile();
// Hands the file to the window of another start of the program, waiting at
// most a few seconds for it to take it; whether it did.
bool handFileToWindow(HWND window, const std::string& path);
