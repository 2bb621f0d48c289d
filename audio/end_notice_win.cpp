#include <windows.h>

#include <mutex>

#include "audio/end_notice.h"

namespace {

struct Target {
  HWND window = nullptr;
  UINT message = 0;
};

std::mutex targetLock;
Target target;

}  // namespace

void SetEndNotice(void* window, unsigned message) {
  std::lock_guard lock(targetLock);
  target = {static_cast<HWND>(window), message};
}

// Posted, not sent: the mixer never waits for the program's thread, and a
// program blocked in GetMessage wakes at once. A window destroyed since it was
// set makes the post fail, which is harmless.
void PostEndNotice() {
  Target to;
  {
    std::lock_guard lock(targetLock);
    to = target;
  }
  if (to.window) PostMessageA(to.window, to.message, 0, 0);
}
