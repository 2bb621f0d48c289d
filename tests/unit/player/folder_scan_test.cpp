#include "player/folder_scan.h"

#include <windows.h>

#include <algorithm>

#include "tests/unit/player/folder_listing.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

using FolderScan = PlayerTest;

std::vector<std::string> Sorted(std::vector<std::string> entries) {
  std::sort(entries.begin(), entries.end());
  return entries;
}

TEST_F(FolderScan, KeepsTrackSuffixesInAnyCaseAndFoldersLikeFiles) {
  TempFolder& folder = NewFolder("deck-scan-suffixes");
  for (const char* name :
       {"Song.MP3", "a.Wav", "x.MID", "x.midi", "x.mpeg", "x.ogg", "x.mp3.bak", "notes.txt"})
    folder.addFile(name);
  folder.addFolder("old.mp3");
  folder.addFolder("sub");
  state.folderPath = folder.path() + "a.Wav";
  FillList({"left over"});

  ScanFolder(state, full);

  EXPECT_EQ(Sorted(ListEntries()),
            (std::vector<std::string>{"Song.MP3", "a.Wav", "old.mp3", "x.MID"}));
  EXPECT_EQ(state.trackCount, 4);
  EXPECT_EQ(gadgetCaption(kFolderLabel), folder.path());
  EXPECT_EQ(gadgetValue(kList), 0);
}

TEST_F(FolderScan, TwoScansGiveTheSameList) {
  TempFolder& folder = NewFolder("deck-scan-twice");
  for (const char* name : {"1.mp3", "2.wav", "3.mid"}) folder.addFile(name);
  state.folderPath = folder.path() + "2.wav";
  ScanFolder(state, full);
  const std::vector<std::string> first = ListEntries();
  ScanFolder(state, full);
  EXPECT_EQ(ListEntries(), first);
  EXPECT_EQ(first.size(), 3u);
  EXPECT_EQ(state.trackCount, 3);
}

TEST_F(FolderScan, MissingFolderGivesAnEmptyListButKeepsTheFolderText) {
  state.folderPath = "C:\\no such folder here\\a.mp3";
  state.trackCount = 7;
  FillList({"a.mp3", "b.mp3"});
  setGadgetValue(kList, 1);

  ScanFolder(state, full);

  EXPECT_TRUE(ListEntries().empty());
  EXPECT_EQ(state.trackCount, 0);
  EXPECT_EQ(gadgetValue(kList), -1);
  EXPECT_EQ(gadgetCaption(kFolderLabel), "C:\\no such folder here\\");
}

// "Нет" is what the mini build restores when its playlist names no folder.
TEST_F(FolderScan, EmptyFolderPartListsTheWorkingDirectory) {
  TempFolder& folder = NewFolder("deck-scan-cwd");
  folder.addFile("here.mp3");
  folder.addFile("here.txt");
  char before[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
  for (const char* path : {"Нет", ""}) {
    state.folderPath = path;
    ScanFolder(state, full);
    EXPECT_EQ(ListEntries(), std::vector<std::string>{"here.mp3"}) << path;
    EXPECT_EQ(gadgetCaption(kFolderLabel), "") << path;
  }
  SetCurrentDirectoryA(before);
}

TEST_F(FolderScan, MiniBuildSelectsTheRememberedEntryWhenItExists) {
  TempFolder& folder = NewFolder("deck-scan-mini");
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) folder.addFile(name);
  state.folderPath = folder.path() + "b.mp3";
  struct Case {
    int trackIndex;
    int selected;
  };
  for (const Case c : {Case{0, 0}, Case{2, 2}, Case{3, -1}, Case{50, -1}, Case{-1, -1}}) {
    state.trackIndex = c.trackIndex;
    ScanFolder(state, mini);
    EXPECT_EQ(gadgetValue(kList), c.selected) << "trackIndex " << c.trackIndex;
    EXPECT_EQ(state.trackCount, 3);
    EXPECT_EQ(state.trackIndex, c.trackIndex);
  }
}

// The wanted entry is selected after the last one is appended: an index
// naming that last entry is selected, one equal to the count is not, and the
// list keeps the system's order (not sorted) across many entries.
TEST_F(FolderScan, ManyEntriesKeepTheListingOrderAndTheLastCanBeWanted) {
  TempFolder& folder = NewFolder("deck-scan-many");
  for (int i = 0; i < 400; ++i) {
    std::string name = "п";
    name += std::to_string(i * 7919 % 1000);
    folder.addFile(name + ".mp3");
  }
  state.folderPath = folder.path() + "x.mp3";
  const std::vector<std::string> listed = ListedNames(folder.path() + "*.mp3");
  ASSERT_EQ(listed.size(), 400u);
  struct Case {
    int trackIndex;
    int selected;
  };
  for (const Case c : {Case{399, 399}, Case{400, -1}, Case{0, 0}}) {
    state.trackIndex = c.trackIndex;
    ScanFolder(state, mini);
    EXPECT_EQ(ListEntries(), listed);
    EXPECT_EQ(state.trackCount, 400);
    EXPECT_EQ(gadgetValue(kList), c.selected) << "trackIndex " << c.trackIndex;
  }
  ScanFolder(state, full);
  EXPECT_EQ(gadgetValue(kList), 0);
}

}  // namespace
