#pragma once
// A program started with a file: "Open with", or a file dropped on the
// program's icon. With another start of the same program running, the file
// goes to that one's window instead of a second window opening.
#include <string>

// The file named on the command line as a full path in the ANSI code page;
// empty when none is named, or when the ANSI code page cannot spell it (the
// audio library opens files by their ANSI paths).
std::string FileOnCommandLine();
// Hands the file to the window of another running start of the program,
// which comes to the front; whether one took it.
bool HandToRunningStart(const char* program, const std::string& file);
// Explorer starts a program opened with a file in another folder, often the
// music's: the program's own folder becomes the working folder again, where
// its record picture lies and the mini keeps its playlist.
void WorkInOwnFolder();
// Marks window 0 as the program's, for a later start to find, and takes
// the mark off again before the window goes.
void MarkWindowAs(const char* program);
void UnmarkWindow(const char* program);
