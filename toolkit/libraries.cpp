#include "toolkit/libraries.h"

#include <memory>

#include "toolkit/facilities.h"
#include "toolkit/registry.h"
#include "toolkit/unique_handle.h"

namespace {

struct Library {
  UniqueHmodule module;
};

Registry<Library>& libraries() {
  static Registry<Library> registry;
  return registry;
}

// SEM_FAILCRITICALERRORS keeps the system from asking the user about a
// missing library or dependency; the caller only learns the 0.
HMODULE loadQuietly(const std::string& fileName) {
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
  HMODULE module = LoadLibraryA(fileName.c_str());
  SetThreadErrorMode(previous, nullptr);
  return module;
}

}  // namespace

// The name goes to LoadLibraryA as given, so the system's search order
// applies: the program's folder, the system folders, then PATH.
HMODULE loadLibraryAs(int library, const std::string& fileName) {
  libraries().release(library);
  UniqueHmodule module(loadQuietly(fileName));
  if (!module) return nullptr;
  HMODULE handle = module.get();
  libraries().create(library, std::make_unique<Library>(Library{std::move(module)}));
  return handle;
}

void unloadLibrary(int library) { libraries().release(library); }

FARPROC libraryFunction(int library, const char* name) {
  Library* found = libraries().find(library);
  if (!found || !name || !*name) return nullptr;
  return GetProcAddress(found->module.get(), name);
}

void releaseLibraries() { libraries().releaseAll(); }
