#include <windows.h>

#include <memory>

#include "toolkit/facilities.h"
#include "toolkit/files.h"
#include "toolkit/registry.h"
#include "toolkit/unique_handle.h"

namespace {

// The ANSI find functions take at most MAX_PATH bytes, the terminating zero
// included.
constexpr std::size_t kLongestPattern = MAX_PATH - 1;

struct Listing {
  UniqueFindHandle search;
  WIN32_FIND_DATAA entry{};
  bool started = false;  // the first match has been handed out
  bool current = false;  // entry holds the current match
};

Registry<Listing>& listings() {
  static Registry<Listing> registry;
  return registry;
}

std::string searchPattern(const std::string& folder, const std::string& pattern) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + (pattern.empty() ? std::string("*.*") : pattern);
}

}  // namespace

// FindFirstFileA already fetches the first match; nextListingEntry hands it
// out on its first call. ERROR_FILE_NOT_FOUND means the folder was read and
// nothing in it matched.
int openListing(int listing, const std::string& folder, const std::string& pattern) {
  listings().release(listing);
  std::string path = searchPattern(folder, pattern);
  if (path.size() > kLongestPattern) return 0;
  auto opened = std::make_unique<Listing>();
  opened->search.reset(FindFirstFileA(path.c_str(), &opened->entry));
  if (!opened->search) {
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES) return 0;
  }
  listings().create(listing, std::move(opened));
  return 1;
}

int nextListingEntry(int listing) {
  Listing* found = listings().find(listing);
  if (!found || !found->search) return 0;
  if (!found->started) {
    found->started = true;
    found->current = true;
  } else if (found->current) {
    found->current = FindNextFileA(found->search.get(), &found->entry) != 0;
  }
  return found->current ? 1 : 0;
}

std::string listingEntryName(int listing) {
  Listing* found = listings().find(listing);
  if (!found || !found->current) return std::string();
  return found->entry.cFileName;
}

void releaseListings() { listings().releaseAll(); }
