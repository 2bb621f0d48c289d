// The event fetch and the state of the last event.
#include "toolkit/events.h"

#include <windows.h>

#include <deque>
#include <string>
#include <utility>

#include "toolkit/event_queue.h"
#include "toolkit/handed_files.h"
#include "toolkit/keys.h"
#include "toolkit/window.h"
#include "toolkit/window_internal.h"

namespace {

struct WindowEvent {
  int window;
  int code;
};

struct EventState {
  std::deque<WindowEvent> queue;
  int window = 0;
  int gadget = 0;
  int kind = kNoGadgetEvent;
  bool gadgetEventSet = false;
  int key = 0;
  int keyModifiers = 0;
  int keyGadget = -1;
  std::string handedFile;
};

EventState& state() {
  static EventState events;
  return events;
}

// Tab and Shift+Tab move the focus among the tab stops of the active toolkit
// window, panels included (they carry WS_EX_CONTROLPARENT). Only the key-down
// is taken, so no WM_CHAR for the tab is ever made.
bool takenByAccelerators(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  HWND active = GetActiveWindow();
  if (!active || windowNumberOf(active) < 0) return false;
  bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  HWND focus = GetFocus();
  if (focus && !IsChild(active, focus)) focus = nullptr;
  HWND next = GetNextDlgTabItem(active, focus, backwards);
  if (next) SetFocus(next);
  return true;
}

int windowOfMessage(HWND target) {
  if (!target) return -1;
  return windowNumberOf(GetAncestor(target, GA_ROOT));
}

}  // namespace

void queueWindowEvent(int window, int code) {
  auto& queue = state().queue;
  if (!queue.empty() && queue.back().window == window && queue.back().code == code) return;
  queue.push_back({window, code});
}

void setGadgetEvent(int window, int gadget, int kind) {
  EventState& events = state();
  if (window >= 0) events.window = window;
  events.gadget = gadget;
  events.kind = kind;
  events.gadgetEventSet = true;
}

void postGadgetEvent(HWND control, int gadget, int kind) {
  HWND top = GetAncestor(control, GA_ROOT);
  if (top) PostMessageA(top, kGadgetEventMessage, static_cast<WPARAM>(gadget), kind);
}

void releaseEvents() { state() = EventState{}; }

void setKeyEvent(int key, int modifiers, int gadget) {
  state().key = key;
  state().keyModifiers = modifiers;
  state().keyGadget = gadget;
}

void setHandedFile(std::string path) { state().handedFile = std::move(path); }

int lastKey() { return state().key; }
int lastKeyModifiers() { return state().keyModifiers; }
int lastKeyGadget() { return state().keyGadget; }
std::string lastHandedFile() { return state().handedFile; }

int pollEvent() {
  EventState& events = state();
  events.kind = kNoGadgetEvent;
  events.key = 0;
  events.keyGadget = -1;
  events.handedFile.clear();
  if (!events.queue.empty()) {
    WindowEvent event = events.queue.front();
    events.queue.pop_front();
    events.window = event.window;
    return event.code;
  }
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) return kNoEvent;
  events.gadgetEventSet = false;
  if (message.message == WM_KEYDOWN) takeKeyDown(message);
  // Dispatched, a media key would come back as a command and count twice.
  const bool mediaKey = message.message == WM_KEYDOWN && isMediaKey(message.wParam);
  if (!mediaKey && !takenByAccelerators(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (events.gadgetEventSet) return kGadgetEvent;
  // A gadget event set during the dispatch keeps its type; anything else has none.
  events.kind = kNoGadgetEvent;
  int window = windowOfMessage(message.hwnd);
  if (window >= 0) events.window = window;
  return static_cast<int>(message.message);
}

// MWMO_INPUTAVAILABLE: messages already seen by an earlier peek but left in
// the queue count too, so nothing waiting is slept over.
void waitForEvent(int milliseconds) {
  if (!state().queue.empty()) return;
  const DWORD timeout = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
  MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int lastEventWindow() { return state().window; }
int lastSourceGadget() { return state().gadget; }
int lastEventKind() { return state().kind; }

namespace {

// The cursor in the window's client coordinates, or nothing outside the client area.
bool cursorInClient(int window, POINT& point) {
  HWND handle = windowHandle(window);
  if (!handle || !GetCursorPos(&point) || !ScreenToClient(handle, &point)) return false;
  RECT client;
  GetClientRect(handle, &client);
  return point.x >= 0 && point.y >= 0 && point.x < client.right && point.y < client.bottom;
}

}  // namespace

CursorPoint cursorPoint(int window) {
  if (!windowHandle(window)) return {0, 0};
  POINT point;
  if (!cursorInClient(window, point)) return {-1, -1};
  return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

int cursorX(int window) { return cursorPoint(window).x; }
int cursorY(int window) { return cursorPoint(window).y; }
