// Which toolkit windows answer WM_GETOBJECT with an accessible object of
// ours, and the events that tell screen readers about changes.
#include "toolkit/accessible.h"

#include <windows.h>
#include <oleacc.h>

#include <map>
#include <memory>
#include <utility>

#include "toolkit/accessible_iid.h"
#include "toolkit/accessible_object.h"
#include "toolkit/accessible_source.h"
#include "toolkit/unique_handle.h"
#include "toolkit/window.h"
#include "toolkit/window_internal.h"

namespace {

// The client object is made on the first request and then handed out to
// every reader, so repeated requests add no objects.
struct Accessibility {
  std::shared_ptr<AccessibleSource> source;
  UniqueCom<IAccessible> client;
};

std::map<HWND, Accessibility>& accessibilities() {
  static std::map<HWND, Accessibility> byWindow;
  return byWindow;
}

IAccessible* clientObject(Accessibility& accessibility) {
  if (!accessibility.client) {
    accessibility.client.reset(newWindowAccessible(accessibility.source));
  }
  return accessibility.client.get();
}

}  // namespace

// The objects already handed out are cut off before they are let go of, so
// a reader holding one gets an error, never an answer from the old controls.
void forgetAccessible(HWND window) {
  auto found = accessibilities().find(window);
  if (found == accessibilities().end()) return;
  Accessibility doomed = std::move(found->second);
  accessibilities().erase(found);
  doomed.source->disconnect();
}

void setWindowAccessible(int window, AccessibleControls* controls) {
  HWND handle = windowHandle(window);
  if (!handle) return;
  auto found = accessibilities().find(handle);
  if (found != accessibilities().end() && found->second.source->controls() == controls) return;
  forgetAccessible(handle);
  if (controls) {
    accessibilities()[handle].source = std::make_shared<AccessibleSource>(handle, controls);
  }
}

// Only OBJID_CLIENT is ours; the window frame, the caption and the rest stay
// the system's. lParam is compared as the 32-bit id it is: oleacc sends the
// DWORD zero-extended on 64-bit Windows, so it never equals the sign-extended
// (LPARAM)OBJID_CLIENT. LresultFromObject marshals the object for whichever
// process asked; when that fails the system's default object is better than none.
bool answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return false;
  auto found = accessibilities().find(window);
  if (found == accessibilities().end()) return false;
  IAccessible* client = clientObject(found->second);
  if (!client) return false;
  LRESULT reference = LresultFromObject(kAccessibleInterface, wParam, client);
  if (reference == 0 || FAILED(static_cast<HRESULT>(reference))) return false;
  result = reference;
  return true;
}

void notifyAccessible(int window, DWORD event, int index) {
  HWND handle = windowHandle(window);
  if (!handle) return;
  NotifyWinEvent(event, handle, OBJID_CLIENT, index < 0 ? CHILDID_SELF : index + 1);
}
