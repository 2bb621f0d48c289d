#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "toolkit/facilities.h"
#include "toolkit/files.h"

namespace {

// A fresh folder under the temporary folder, removed with what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "tk2-listing-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter_++);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TemporaryFolder() { removeTree(path_); }

  const std::string& path() const { return path_; }
  void addFile(const std::string& name) const {
    HANDLE file = CreateFileA((path_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
  }
  void addFolder(const std::string& name) const {
    CreateDirectoryA((path_ + "\\" + name).c_str(), nullptr);
  }

 private:
  static void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    BOOL more = search != INVALID_HANDLE_VALUE;
    for (; more; more = FindNextFileA(search, &entry)) {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(full);
      else
        DeleteFileA(full.c_str());
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    RemoveDirectoryA(folder.c_str());
  }

  static inline int counter_ = 0;
  std::string path_;
};

std::multiset<std::string> allEntries(int listing) {
  std::multiset<std::string> names;
  while (nextListingEntry(listing)) names.insert(listingEntryName(listing));
  return names;
}

TEST(Listing, FolderWithFilesAndASubFolder) {
  TemporaryFolder folder;
  folder.addFile("a.mp3");
  folder.addFile("b.txt");
  folder.addFile("трек.mp3");
  folder.addFolder("sub.mp3");
  folder.addFolder("inner");
  using Names = std::multiset<std::string>;
  const Names everything = {".", "..", "a.mp3", "b.txt", "трек.mp3", "sub.mp3", "inner"};
  const struct {
    std::string folder, pattern;
    Names names;
  } cases[] = {
      {folder.path(), "", everything},
      {folder.path() + "\\", "*.*", everything},
      {folder.path(), "*.mp3", {"a.mp3", "трек.mp3", "sub.mp3"}},
      {folder.path(), "b.txt", {"b.txt"}},
      {"", folder.path() + "\\*.txt", {"b.txt"}},
  };
  for (const auto& c : cases) {
    ASSERT_NE(openListing(0, c.folder, c.pattern), 0) << c.folder << " " << c.pattern;
    EXPECT_EQ(listingEntryName(0), "") << "no entry is current before the first call";
    EXPECT_EQ(allEntries(0), c.names) << c.pattern;
    EXPECT_EQ(nextListingEntry(0), 0) << "the end stays the end";
    EXPECT_EQ(listingEntryName(0), "");
  }
  releaseListings();
}

TEST(Listing, NoMatchIsAnEmptySuccessAMissingFolderAFailure) {
  TemporaryFolder folder;
  EXPECT_NE(openListing(1, folder.path(), "*.mp3"), 0);
  EXPECT_EQ(nextListingEntry(1), 0);
  EXPECT_EQ(listingEntryName(1), "");
  EXPECT_EQ(openListing(1, folder.path() + "\\missing", "*.*"), 0);
  EXPECT_EQ(nextListingEntry(1), 0);
  EXPECT_EQ(openListing(1, "Q:\\no\\such\\folder", ""), 0);
  EXPECT_EQ(nextListingEntry(7), 0);
  EXPECT_EQ(listingEntryName(7), "");
  releaseListings();
}

// folder + "\" + pattern must fit MAX_PATH with its terminating zero.
TEST(Listing, PathOfMoreThan259BytesFails) {
  TemporaryFolder folder;
  std::string deep = folder.path() + "\\" + std::string(180, 'd');
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
  std::size_t room = MAX_PATH - 1 - deep.size() - 1;  // bytes left for the pattern
  ASSERT_GT(room, 2u);
  std::string fits = std::string(room - 1, 'p') + "*";
  EXPECT_NE(openListing(2, deep, fits), 0);
  EXPECT_EQ(nextListingEntry(2), 0);
  EXPECT_EQ(openListing(2, deep, "p" + fits), 0);
  releaseListings();
}

TEST(Listing, ReopeningANumberStartsAfresh) {
  TemporaryFolder one, two;
  one.addFile("x.wav");
  two.addFile("y.wav");
  ASSERT_NE(openListing(0, one.path(), "*.wav"), 0);
  ASSERT_NE(openListing(3, two.path(), "*.wav"), 0);
  ASSERT_EQ(nextListingEntry(0), 1);
  EXPECT_EQ(listingEntryName(0), "x.wav");
  ASSERT_NE(openListing(0, two.path(), "*.wav"), 0);
  EXPECT_EQ(listingEntryName(0), "");
  EXPECT_EQ(allEntries(0), std::multiset<std::string>{"y.wav"});
  EXPECT_EQ(allEntries(3), std::multiset<std::string>{"y.wav"});
  releaseListings();
  EXPECT_EQ(nextListingEntry(3), 0);
}

}  // namespace
