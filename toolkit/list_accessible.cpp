// A control that is a real list box, exposed as the list it is: the
// control's name and state, and the entries as its children. Wine's standard
// object for a list box is a bare client object with no entries, and neither
// system's object knows the name the program gives the list.
#include <windows.h>
#include <oleacc.h>

#include <new>
#include <string>
#include <utility>

#include "toolkit/accessible_object.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/unique_handle.h"
#include "toolkit/wide_text.h"

namespace {

class ListAccessible final : public AccessibleObject {
 public:
  ListAccessible(std::shared_ptr<AccessibleSource> source, IAccessible* parent, int index)
      : AccessibleObject(std::move(source)), parent_(parent), index_(index) {
    parent->AddRef();
  }

 private:
  // The list is looked up on every call: the program may rebuild its
  // controls, and a list whose control is gone answers as cut off.
  HWND list() { return controls().control(index_).window; }
  bool alive() override { return index_ < controls().count() && IsWindow(list()); }

  LRESULT ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(list(), message, wParam, lParam);
  }

  long selected() {
    LRESULT entry = ask(LB_GETCURSEL);
    return entry == LB_ERR ? -1 : static_cast<long>(entry);
  }

  HRESULT parentObject(IDispatch** parent) override {
    return parent_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(parent));
  }

  long childCount() override {
    LRESULT count = ask(LB_GETCOUNT);
    return count == LB_ERR ? 0 : static_cast<long>(count);
  }

  // The list as the window's child says it, but always a list.
  AccessibleElement element(long child) override {
    if (child != CHILDID_SELF) return entry(child - 1);
    AccessibleElement self =
        controlElement(controls().control(index_), window(), controls().focused() == index_);
    self.role = ROLE_SYSTEM_LIST;
    return self;
  }

  // The selected entry is the one a reader announces: selected and focused.
  AccessibleElement entry(long index) {
    AccessibleElement item;
    item.name = wideText(listBoxEntryText(list(), index));
    item.role = ROLE_SYSTEM_LISTITEM;
    item.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (index == selected()) item.state |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    ask(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item.location));
    MapWindowPoints(list(), HWND_DESKTOP, reinterpret_cast<POINT*>(&item.location), 2);
    return item;
  }

  IDispatch* childObject(long) override { return nullptr; }

  // LB_ITEMFROMPOINT sets the high word when the point lies below the last entry.
  long childAt(POINT screen) override {
    RECT area;
    if (!GetWindowRect(list(), &area) || !PtInRect(&area, screen)) return kNoChild;
    POINT client = screen;
    ScreenToClient(list(), &client);
    LRESULT found = ask(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(found) != 0) return CHILDID_SELF;
    return static_cast<long>(LOWORD(found)) + 1;
  }

  long focusedChild() override {
    if (GetFocus() != list()) return kNoChild;
    long entry = selected();
    return entry >= 0 ? entry + 1 : CHILDID_SELF;
  }

  long selectedChild() override {
    long entry = selected();
    return entry >= 0 ? entry + 1 : kNoChild;
  }

  // The list's own click, like any control's; its entries are chosen with
  // the list box's keys and clicks.
  bool doDefaultAction(long child) override {
    if (child != CHILDID_SELF) return false;
    controls().click(index_);
    return true;
  }

  UniqueCom<IAccessible> parent_;
  int index_;
};

}  // namespace

IAccessible* newListAccessible(std::shared_ptr<AccessibleSource> source, IAccessible* parent,
                               int index) {
  try {
    return new ListAccessible(std::move(source), parent, index);
  } catch (...) {
    return nullptr;
  }
}
