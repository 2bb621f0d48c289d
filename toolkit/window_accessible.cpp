// The accessible object of a window's client area: the window itself
// (CHILDID_SELF) and, as children 1..n, the program's controls, which are
// places on its picture rather than windows.
#include <windows.h>
#include <oleacc.h>

#include <new>
#include <string>
#include <utility>

#include "toolkit/accessible_object.h"
#include "toolkit/wide_text.h"

namespace {

// What a reader offers to do with the control; whatever it is, doing it is
// the control's click. Windows-1251, like every text of the program.
std::wstring defaultActionFor(long role) {
  switch (role) {
    case ROLE_SYSTEM_CHECKBUTTON:
    case ROLE_SYSTEM_RADIOBUTTON: return wideText("Переключить");
    case ROLE_SYSTEM_SLIDER:
    case ROLE_SYSTEM_LIST:
    case ROLE_SYSTEM_GRAPHIC: return wideText("Щёлкнуть");
    default: return wideText("Нажать");
  }
}

RECT onScreen(HWND window, RECT client) {
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

std::wstring windowTitle(HWND window) {
  char title[512] = "";
  int length = GetWindowTextA(window, title, sizeof title);
  return wideText(std::string(title, length > 0 ? static_cast<size_t>(length) : 0));
}

class WindowAccessible final : public AccessibleObject {
 public:
  explicit WindowAccessible(std::shared_ptr<AccessibleSource> source)
      : AccessibleObject(std::move(source)) {}

 private:
  // The window's standard object, whose client area this is.
  HRESULT parentObject(IDispatch** parent) override {
    return CreateStdAccessibleObject(window(), OBJID_WINDOW, IID_IDispatch,
                                     reinterpret_cast<void**>(parent));
  }

  long childCount() override { return controls().count(); }

  AccessibleElement element(long child) override {
    if (child == CHILDID_SELF) return clientArea();
    return controlElement(controls().control(child - 1), window(),
                          controls().focused() == child - 1);
  }

  AccessibleElement clientArea() {
    AccessibleElement area;
    area.name = windowTitle(window());
    area.role = ROLE_SYSTEM_CLIENT;
    area.state = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == window()) area.state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowVisible(window())) area.state |= STATE_SYSTEM_INVISIBLE;
    GetClientRect(window(), &area.location);
    area.location = onScreen(window(), area.location);
    return area;
  }

  // A control that is a window of its own speaks as an object: our list
  // object for a list box, the system's own object for any other window.
  IDispatch* childObject(long child) override {
    if (child == CHILDID_SELF) return nullptr;
    HWND own = controls().control(child - 1).window;
    if (!own) return nullptr;
    char className[32] = "";
    GetClassNameA(own, className, sizeof className);
    if (lstrcmpiA(className, "ListBox") == 0) {
      return newListAccessible(source(), this, static_cast<int>(child - 1));
    }
    IDispatch* object = nullptr;
    AccessibleObjectFromWindow(own, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                               reinterpret_cast<void**>(&object));
    return object;
  }

  // The first visible control whose place holds the point, in the program's
  // order; the window itself inside its client area elsewhere.
  long childAt(POINT screen) override {
    POINT client = screen;
    RECT area;
    if (!ScreenToClient(window(), &client) || !GetClientRect(window(), &area)) return kNoChild;
    if (!PtInRect(&area, client)) return kNoChild;
    for (int index = 0, count = controls().count(); index < count; ++index) {
      AccessibleControl control = controls().control(index);
      if (!(control.state & STATE_SYSTEM_INVISIBLE) && PtInRect(&control.place, client)) {
        return index + 1;
      }
    }
    return CHILDID_SELF;
  }

  long focusedChild() override {
    int focused = controls().focused();
    if (focused >= 0 && focused < controls().count()) return focused + 1;
    return GetActiveWindow() == window() ? CHILDID_SELF : kNoChild;
  }

  long selectedChild() override { return kNoChild; }

  // Only asks: the program carries the click out in a later pass, so a
  // reader's call never runs the program's steps inside the call.
  bool doDefaultAction(long child) override {
    if (child == CHILDID_SELF) return false;
    controls().click(static_cast<int>(child - 1));
    return true;
  }
};

}  // namespace

AccessibleElement controlElement(const AccessibleControl& control, HWND window, bool focused) {
  AccessibleElement element;
  element.name = wideText(control.name);
  element.role = control.role;
  element.state = control.state | (focused ? STATE_SYSTEM_FOCUSED : 0);
  element.value = wideText(control.value);
  element.defaultAction = defaultActionFor(control.role);
  element.location = onScreen(window, control.place);
  return element;
}

IAccessible* newWindowAccessible(std::shared_ptr<AccessibleSource> source) {
  try {
    return new WindowAccessible(std::move(source));
  } catch (...) {
    return nullptr;
  }
}
