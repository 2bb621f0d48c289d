#pragma once
// The settings file: key = value lines, optional [group] and ; comment lines.
// One file open at a time.
#include <string>

// Non-zero when the file was opened; a missing file's name is remembered so
// that writes followed by closePrefFile create it.
int openPrefFile(const std::string& fileName);
std::string readPrefString(const std::string& key, const std::string& defaultValue);
void writePrefString(const std::string& key, const std::string& value);
// Rewrites the file only when something was written since it was opened.
void closePrefFile();
