#pragma once
// What every accessible object handed out for one window shares: the window,
// the program's controls, and the objects still alive, so that all of them
// can be cut off at once when the window goes or gets other controls.
#include <windows.h>
#include <unknwn.h>

#include <vector>

#include "toolkit/accessible.h"

class AccessibleSource {
 public:
  AccessibleSource(HWND window, AccessibleControls* controls)
      : window_(window), controls_(controls) {}
  AccessibleSource(const AccessibleSource&) = delete;
  AccessibleSource& operator=(const AccessibleSource&) = delete;

  HWND window() const { return window_; }
  // Null once cut off.
  AccessibleControls* controls() const { return controls_; }
  bool connected() const { return controls_ && IsWindow(window_); }

  void enrol(IUnknown* object) { objects_.push_back(object); }
  void leave(IUnknown* object);
  void disconnect();

 private:
  HWND window_;
  AccessibleControls* controls_;
  std::vector<IUnknown*> objects_;  // not owned: each object leaves when it is freed
};
