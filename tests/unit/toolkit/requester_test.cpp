#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "toolkit/facilities.h"
#include "toolkit/files.h"

namespace {

std::string windowText(HWND window) {
  char text[MAX_PATH] = {};
  GetWindowTextA(window, text, MAX_PATH);
  return text;
}

// What the dialog showed when it was found, read from its own controls.
struct DialogSeen {
  bool found = false;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  std::string filterShown;
  std::string fileName;
};

// The dialog is modal, so a second thread waits for the window titled
// "Открыть", notes what it shows and cancels it as the Cancel button would.
class DialogCanceller {
 public:
  explicit DialogCanceller(HWND expectedOwner)
      : owner_(expectedOwner), worker_([this] { run(); }) {}
  ~DialogCanceller() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
  }
  DialogSeen seen() {
    if (worker_.joinable()) worker_.join();
    return seen_;
  }

 private:
  void run() {
    DWORD deadline = GetTickCount() + 20000;
    while (!stop_ && GetTickCount() < deadline) {
      HWND dialog = FindWindowA(nullptr, "Открыть");
      if (dialog && IsWindowVisible(dialog)) return note(dialog);
      Sleep(20);
    }
  }
  void note(HWND dialog) {
    seen_.found = true;
    seen_.owner = GetWindow(dialog, GW_OWNER);
    seen_.ownerEnabled = owner_ && IsWindowEnabled(owner_);
    seen_.filterShown = windowText(GetDlgItem(dialog, cmb1));
    HWND name = GetDlgItem(dialog, cmb13);
    seen_.fileName = windowText(name ? name : GetDlgItem(dialog, edt1));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  HWND owner_;
  DialogSeen seen_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};

HWND makeOwnerWindow() {
  HWND window = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(window);
  return window;
}

// Cancelled: the empty text, the working directory unchanged. Shown: owned by
// the program's window in front, which is disabled meanwhile, with the pair of
// the filter index and the proposed file name of the default file.
TEST(AskOpenFile, CancelledDialogShowsTheRequestAndGivesTheEmptyText) {
  startCom();
  startRequester();
  HWND owner = makeOwnerWindow();
  char before[MAX_PATH] = {}, temp[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  GetTempPathA(MAX_PATH, temp);
  std::string chosen = "not asked";
  DialogSeen seen;
  {
    DialogCanceller canceller(owner);
    chosen = askOpenFile("", std::string(temp) + "a.mp3", "Музыка|*.mp3|Все|*.*", 1);
    seen = canceller.seen();
  }
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(chosen, "");
  EXPECT_EQ(seen.owner, owner);
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(seen.filterShown, "Все");
  EXPECT_EQ(seen.fileName, "a.mp3");
  char after[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, after);
  EXPECT_STREQ(after, before);
  DestroyWindow(owner);
  releaseCom();
}

}  // namespace
