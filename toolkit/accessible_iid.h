#pragma once
// IAccessible's interface identifier, spelled out. MinGW's liboleacc.a
// exports IID_IAccessible as data of oleacc.dll: a reference to it without
// dllimport binds to the import slot, not to the GUID, and QueryInterface
// with that answers E_NOINTERFACE.
#include <windows.h>

inline constexpr IID kAccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
