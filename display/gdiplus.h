#pragma once
// GDI+ for the record renderer: loaded by name as library 0, started once,
// the record picture read from a file, shut down once at the end.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>

// Loads "gdiplus.dll" and starts it; the token, 0 when GDI+ is missing.
std::uintptr_t StartGdiplus();
// Shuts GDI+ down and unloads library 0; always 0.
int StopGdiplus(std::uintptr_t token);
// The ANSI text as a UTF-16 system string the caller owns; null on failure.
BSTR WideFileName(const std::string& text);
// The GDI+ bitmap of the picture file, or null when it cannot be read.
void* LoadDiscBitmap(const std::string& fileName);
