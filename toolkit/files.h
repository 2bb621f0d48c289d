#pragma once
// The open-file requester and numbered directory listings.
#include <string>

// The chosen file's full path, or the empty text when cancelled. The filter
// is caption|pattern pairs separated by "|".
std::string askOpenFile(const std::string& title, const std::string& defaultFile,
                        const std::string& filter, int filterIndex);
// Non-zero on success; a folder without matches is a success with no entries.
int openListing(int listing, const std::string& folder, const std::string& pattern);
// Non-zero while there is a current entry.
int nextListingEntry(int listing);
std::string listingEntryName(int listing);
