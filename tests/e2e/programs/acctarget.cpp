// A toolkit window whose accessible object answers from a small table of
// controls, for a reader in another process to read (test_accessible.py):
// a power button that a click switches, a volume slider with a value, and a
// real list box. As in the players, a click is only noted while the reader's
// call runs and carried out after the fetch; between events the loop rests
// in waitForEvent, so the reader's calls are served while the program idles.
#include <windows.h>
#include <oleacc.h>

#include <vector>

#include "toolkit/accessible.h"
#include "toolkit/toolkit.h"

namespace {

constexpr int kWindow = 0;
constexpr int kList = 1;
constexpr int kPower = 0;

class TargetControls : public AccessibleControls {
 public:
  explicit TargetControls(HWND list) : list_(list) {}

  int count() override { return 3; }

  AccessibleControl control(int index) override {
    switch (index) {
      case kPower:
        return {"Питание",
                ROLE_SYSTEM_PUSHBUTTON,
                on_ ? STATE_SYSTEM_PRESSED : 0,
                "",
                {10, 10, 60, 40}};
      case 1: return {"Громкость", ROLE_SYSTEM_SLIDER, 0, "50 %", {100, 10, 300, 30}};
      default: return {"Дорожки", ROLE_SYSTEM_LIST, 0, "Вторая.wav", {20, 100, 220, 200}, list_};
    }
  }

  void click(int index) override { pending_.push_back(index); }
  int focused() override { return -1; }

  void carryOut() {
    for (int index : pending_) {
      if (index != kPower) continue;
      on_ = !on_;
      notifyAccessible(kWindow, EVENT_OBJECT_STATECHANGE, kPower);
    }
    pending_.clear();
  }

 private:
  HWND list_;
  bool on_ = false;
  std::vector<int> pending_;
};

}  // namespace

int main() {
  startToolkit();
  newWindow(kWindow, 0, 0, 320, 240, "Проба доступности", WS_CAPTION | WS_SYSMENU | kWindowCentred);
  HWND list = newListGadget(kList, 20, 100, 200, 100);
  appendListItems(kList, {"Первая.mp3", "Вторая.wav"});
  setGadgetValue(kList, 1);
  TargetControls controls(list);
  setWindowAccessible(kWindow, &controls);
  for (bool open = true; open;) {
    waitForEvent(kWaitForever);
    for (int event; (event = pollEvent()) != kNoEvent;) {
      if (event == kCloseEvent) open = false;
    }
    controls.carryOut();
  }
  setWindowAccessible(kWindow, nullptr);
  releaseToolkit();
  return 0;
}
