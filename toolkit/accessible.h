#pragma once
// A window's accessible object for screen readers: the window answers
// WM_GETOBJECT with an MSAA IAccessible whose children are the program's
// controls, which need not be windows of their own (places on a picture).
#include <windows.h>

#include <string>

// One control as a screen reader sees it.
struct AccessibleControl {
  std::string name;       // Windows-1251
  long role = 0;          // ROLE_SYSTEM_*
  long state = 0;         // STATE_SYSTEM_* bits
  std::string value;      // Windows-1251; empty for a control without a value
  RECT place = {};        // in the window's client coordinates
  HWND window = nullptr;  // a child window that speaks for itself (a list box), else null
};

// What the program tells its window's accessible object, asked on the
// window's thread while the object is in use.
class AccessibleControls {
 public:
  virtual ~AccessibleControls() = default;
  virtual int count() = 0;
  virtual AccessibleControl control(int index) = 0;
  // The control's default action, its click; the program carries it out in
  // its own time, not inside this call.
  virtual void click(int index) = 0;
  // The control that has the keyboard focus, -1 for none.
  virtual int focused() = 0;
};

// From now on the window's accessible object answers from `controls` (null:
// the system's default object again). The controls must outlive the window,
// or be replaced first. Objects a reader still holds from before, or after the
// window is destroyed, answer CO_E_OBJNOTCONNECTED. A new window under the same
// number starts with the system's object.
void setWindowAccessible(int window, AccessibleControls* controls);
// Tells screen readers that control `index` (-1: the window itself) changed:
// EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE or
// EVENT_OBJECT_NAMECHANGE.
void notifyAccessible(int window, DWORD event, int index);
