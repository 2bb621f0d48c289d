#include "player/open_file.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>

#include "audio/audio.h"
#include "player/folder_scan.h"
#include "player/start_track.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"
#include "toolkit/window.h"

namespace {

using SearchList = PlayerTest;

std::vector<std::string> NumberedEntries(int count) {
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i) entries.push_back("track " + std::to_string(i) + ".mp3");
  return entries;
}

// Entries beyond index 1000 are found too; a name that is not listed, or
// listed in another letter case, leaves the list without selection.
TEST_F(SearchList, FindsTheNamedEntryAnywhereInTheList) {
  std::vector<std::string> entries = NumberedEntries(1005);
  entries[1002] = "Вальс.mp3";
  entries[1004] = "Вальс.mp3";
  FillList(entries);
  ShowWindow(windowHandle(kMainWindow), SW_HIDE);  // spares a repaint per selection
  struct Case {
    std::string name;
    int selected;
  };
  const Case cases[] = {{"track 0.mp3", 0},       {"track 1000.mp3", 1000}, {"Вальс.mp3", 1002},
                        {"track 1003.mp3", 1003}, {"TRACK 5.mp3", -1},      {"missing.mp3", -1}};
  for (const Case& c : cases) {
    setGadgetValue(kList, 3);
    SelectEntryNamed(state, full, c.name);
    EXPECT_EQ(gadgetValue(kList), c.selected) << c.name;
  }
}

// Where the search stops, as searchIndex shows it: at the match, or at the
// entry count when nothing matched. Letter case counts, a prefix of a listed
// name is another name, and the empty name finds nothing.
TEST_F(SearchList, StopsAtTheMatchOrAtTheCount) {
  FillList({"track 1.mp3", "track 10.mp3", "Песня.wav", "песня.wav"});
  struct Case {
    std::string name;
    int selected;
    int searchIndex;
  };
  const Case cases[] = {{"track 10.mp3", 1, 1}, {"песня.wav", 3, 3}, {"ПЕСНЯ.wav", -1, 4},
                        {"track 1.mp", -1, 4},  {"", -1, 4},         {"track 1.mp3", 0, 0}};
  for (const Case& c : cases) {
    setGadgetValue(kList, 2);
    state.searchIndex = -7;
    SelectEntryNamed(state, full, c.name);
    EXPECT_EQ(gadgetValue(kList), c.selected) << c.name;
    EXPECT_EQ(gadgetCaption(kList), c.selected < 0 ? "" : c.name) << c.name;
    EXPECT_EQ(state.searchIndex, c.searchIndex) << c.name;
  }
  clearList(kList);
  SelectEntryNamed(state, full, "");
  EXPECT_EQ(state.searchIndex, 0);
  EXPECT_EQ(gadgetValue(kList), -1);
}

// The requester is modal, so a second thread waits for the window titled
// "Открыть" and answers it: with an empty path it cancels the way the Escape
// key would, otherwise it types the path into the name field and presses OK.
class DialogAnswer {
 public:
  explicit DialogAnswer(std::string path) : path_(std::move(path)), worker_([this] { Run(); }) {}
  ~DialogAnswer() {
    stop_ = true;
    worker_.join();
  }
  bool answered() const { return answered_; }

 private:
  static BOOL CALLBACK FindNameField(HWND child, LPARAM found) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof(name));
    if (lstrcmpiA(name, "Edit") != 0 || !IsWindowVisible(child)) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }

  void Answer(HWND dialog) {
    if (path_.empty()) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      answered_ = true;
      return;
    }
    HWND field = nullptr;
    EnumChildWindows(dialog, FindNameField, reinterpret_cast<LPARAM>(&field));
    if (!field) return;
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    answered_ = true;
  }

  void Run() {
    const DWORD deadline = GetTickCount() + 20000;
    while (!stop_ && !answered_ && static_cast<LONG>(GetTickCount() - deadline) < 0) {
      HWND dialog = FindWindowA(nullptr, "Открыть");
      if (dialog && IsWindowVisible(dialog)) Answer(dialog);
      Sleep(20);
    }
  }

  std::string path_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> answered_{false};
  std::thread worker_;
};

using OpenChosen = PlayerTest;

TEST_F(OpenChosen, CancelledRequesterChangesNothing) {
  TempFolder& folder = NewFolder("deck-open-cancel");
  folder.addFile("one.wav", WavBytes(5.0));
  folder.addFile("two.wav", WavBytes(5.0));
  state.folderPath = folder.path() + "two.wav";
  state.chosenFileName = "two.wav";
  ScanFolder(state, full);
  setGadgetValue(kList, 1);
  StartTrack(fullDeck);
  const AudioHandle playing = transport.stream;
  const std::vector<std::string> entries = ListEntries();
  ASSERT_EQ(BASS_ChannelIsActive(playing), kActivePlaying);

  {
    DialogAnswer cancel("");
    OpenChosenFile(fullDeck);
    EXPECT_TRUE(cancel.answered());
  }

  EXPECT_EQ(state.folderPath, folder.path() + "two.wav");
  EXPECT_EQ(state.chosenFileName, "two.wav");
  EXPECT_EQ(ListEntries(), entries);
  EXPECT_EQ(state.trackCount, 2);
  EXPECT_EQ(gadgetValue(kList), 1);
  EXPECT_EQ(gadgetCaption(kFolderLabel), folder.path());
  EXPECT_EQ(transport.stream, playing);
  EXPECT_EQ(BASS_ChannelIsActive(playing), kActivePlaying);
}

TEST_F(OpenChosen, ListsTheFolderOfTheChosenFileAndPlaysIt) {
  TempFolder& folder = NewFolder("deck-open-chosen");
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) folder.addFile(name, WavBytes(3.0));
  folder.addFile("notes.txt");
  setGadgetValue(kPlayingFlag, 0);
  {
    DialogAnswer choose(folder.path() + "b.wav");
    OpenChosenFile(fullDeck);
    EXPECT_TRUE(choose.answered());
  }
  EXPECT_EQ(state.folderPath, folder.path() + "b.wav");
  EXPECT_EQ(state.chosenFileName, "b.wav");
  EXPECT_EQ(state.trackCount, 3);
  EXPECT_EQ(gadgetCaption(kList), "b.wav");
  EXPECT_EQ(gadgetCaption(kFolderLabel), folder.path());
  EXPECT_EQ(gadgetValue(kPlayingFlag), 1);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
}

}  // namespace
