#pragma once
// A gadget: one child control under its number, with the behaviour of its kind.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/gadget_colours.h"
#include "toolkit/unique_handle.h"

class Gadget {
 public:
  Gadget(int number, HWND control);
  virtual ~Gadget();
  Gadget(const Gadget&) = delete;
  Gadget& operator=(const Gadget&) = delete;

  int number() const { return number_; }
  HWND control() const { return control_.get(); }
  // The control was destroyed by the system (with its parent): forget it.
  void forgetControl() { control_.release(); }
  GadgetColours& colours() { return colours_; }
  const GadgetColours& colours() const { return colours_; }

  // A message to the control, seen before the control's own procedure.
  virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A WM_COMMAND notification the control sent to its parent; true when taken.
  virtual bool takeNotification(int code);
  virtual void setValue(std::intptr_t value);
  virtual std::intptr_t value() const;
  virtual void setCaption(const std::string& text);
  virtual std::string caption() const;
  // Repaints in a later fetch: after a move, a new text or new colours.
  virtual void redraw();

 private:
  int number_;
  UniqueHwnd control_;
  GadgetColours colours_;
};

// The control's window, 0 on failure. Children get the default GUI font.
HWND createGadgetControl(int gadget, const char* className, DWORD style, DWORD exStyle, int x,
                         int y, int width, int height, const std::string& text);
// Files the gadget under its number, releasing any gadget there, and returns its control.
HWND registerGadget(std::unique_ptr<Gadget> gadget);
// Releases whatever the number names; creations call it before making the control.
void releaseGadget(int gadget);
Gadget* findGadget(int gadget);
Gadget* gadgetOfControl(HWND control);

// The window new gadgets are created in.
HWND currentGadgetParent();
void setGadgetParentWindow(HWND window);
void pushGadgetParent(HWND panel);
void popGadgetParent();

// The panel's window class, registered with the gadgets.
void registerPanelClass();
void unregisterPanelClass();

// A list box's entry `index` in the program's bytes, empty for an index
// beyond the list.
std::string listBoxEntryText(HWND list, LRESULT index);

// The control's rectangle in its parent's client coordinates.
RECT rectInParent(HWND control);
// Repaints the parent's area under the control, then whatever lies on it;
// now or when a later fetch dispatches the paint.
void repaintParentUnder(HWND control, bool now);
