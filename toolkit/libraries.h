#pragma once
// Numbered dynamic libraries whose functions are called by name.
#include <windows.h>

#include <string>
#include <type_traits>

HMODULE loadLibraryAs(int library, const std::string& fileName);
void unloadLibrary(int library);
// The exported function, or null when the library or the name is missing.
FARPROC libraryFunction(int library, const char* name);

// Calls an export with up to six arguments under the standard calling
// convention. The function type is formed from the argument types, so the
// compiler puts each argument where the convention wants it: on x86_64 a
// float travels in an XMM register, which an all-integer call would miss.
// A missing library or name calls nothing and yields 0.
template <class... Args>
int callByName(int library, const char* name, Args... args) {
  static_assert(sizeof...(Args) <= 6, "at most six arguments");
  static_assert(
      ((std::is_integral_v<Args> || std::is_pointer_v<Args> || std::is_same_v<Args, float>)&&...),
      "arguments are integers, pointers or floats");
  FARPROC function = libraryFunction(library, name);
  if (!function) return 0;
  using Signature = int(WINAPI*)(Args...);
  return reinterpret_cast<Signature>(reinterpret_cast<void*>(function))(args...);
}
