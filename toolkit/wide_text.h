#pragma once
// ANSI (code page of the system) to UTF-16.
#include <string>

std::wstring wideText(const std::string& text);
