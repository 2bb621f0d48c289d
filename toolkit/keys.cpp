// Key-downs, commands and hot keys, taken as the key they stand for.
#include "toolkit/keys.h"

#include <windows.h>

#include <iterator>

#include "toolkit/event_queue.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/window.h"

namespace {

constexpr UINT kMediaKeys[] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK,
                               VK_MEDIA_STOP};

// A command's media key; 0 for a command that is none of the deck's.
// "Play" alone and "pause" alone come from remotes with separate buttons.
int KeyOfCommand(int command) {
  switch (command) {
    case APPCOMMAND_MEDIA_PLAY_PAUSE: return VK_MEDIA_PLAY_PAUSE;
    case APPCOMMAND_MEDIA_PLAY: return VK_PLAY;
    case APPCOMMAND_MEDIA_PAUSE:
    case APPCOMMAND_MEDIA_STOP: return VK_MEDIA_STOP;
    case APPCOMMAND_MEDIA_NEXTTRACK: return VK_MEDIA_NEXT_TRACK;
    case APPCOMMAND_MEDIA_PREVIOUSTRACK: return VK_MEDIA_PREV_TRACK;
    case APPCOMMAND_VOLUME_UP: return VK_VOLUME_UP;
    case APPCOMMAND_VOLUME_DOWN: return VK_VOLUME_DOWN;
    case APPCOMMAND_VOLUME_MUTE: return VK_VOLUME_MUTE;
    default: return 0;
  }
}

int ModifiersHeld() {
  int held = 0;
  if (GetKeyState(VK_SHIFT) & 0x8000) held |= kShiftHeld;
  if (GetKeyState(VK_CONTROL) & 0x8000) held |= kControlHeld;
  return held;
}

}  // namespace

bool isMediaKey(WPARAM key) {
  return (key >= VK_VOLUME_MUTE && key <= VK_MEDIA_PLAY_PAUSE) || key == VK_PLAY;
}

// GetKeyState answers as of the message being handled: the modifiers held
// when the key went down, not now.
void takeKeyDown(const MSG& message) {
  const Gadget* gadget = gadgetOfControl(message.hwnd);
  setKeyEvent(static_cast<int>(message.wParam), ModifiersHeld(), gadget ? gadget->number() : -1);
}

// A command the deck answers is taken (TRUE) so it goes no further: the
// volume keys then set the deck's volume, not the system's.
bool takeCommand(LPARAM lParam) {
  const int key = KeyOfCommand(GET_APPCOMMAND_LPARAM(lParam));
  if (!key) return false;
  setKeyEvent(key, 0);
  return true;
}

void takeHotKey(LPARAM lParam) { setKeyEvent(HIWORD(lParam), 0); }

int registerMediaKeys(int window) {
  HWND handle = windowHandle(window);
  if (!handle) return 0;
  int taken = 0;
  for (int i = 0; i < static_cast<int>(std::size(kMediaKeys)); ++i)
    if (RegisterHotKey(handle, i + 1, MOD_NOREPEAT, kMediaKeys[i])) ++taken;
  return taken;
}
