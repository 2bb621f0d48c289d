// List gadgets: an unsorted single-selection ListBox. Its selection changes
// and double-clicks are posted as gadget events, so they arrive in a fetch
// after the one that dispatched the mouse message.
#include <windows.h>

#include <cstring>

#include "toolkit/event_queue.h"
#include "toolkit/events.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"

// The list box keeps the program's Windows-1251 bytes; LB_GETTEXT through
// the ANSI call hands them back unchanged.
std::string listBoxEntryText(HWND list, LRESULT index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

namespace {

class ListGadget : public Gadget {
 public:
  using Gadget::Gadget;

  // Focus changes and LBN_SELCANCEL are taken as well: as gadget events
  // their codes (3 to 5) would read as a right double-click and the like.
  bool takeNotification(int code) override {
    if (code == LBN_SELCHANGE) postGadgetEvent(control(), number(), kLeftClick);
    if (code == LBN_DBLCLK) postGadgetEvent(control(), number(), kLeftDoubleClick);
    return true;
  }

  // LB_SETCURSEL scrolls the entry into view and sends no notification.
  void setValue(std::intptr_t value) override {
    SendMessageA(control(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }

  std::intptr_t value() const override {
    LRESULT selected = SendMessageA(control(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : selected;
  }

  void setCaption(const std::string&) override {}

  std::string caption() const override {
    LRESULT selected = SendMessageA(control(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? std::string() : listBoxEntryText(control(), selected);
  }
};

HWND listControl(int gadget) {
  Gadget* found = findGadget(gadget);
  return found && dynamic_cast<ListGadget*>(found) ? found->control() : nullptr;
}

// Under Wine a message sent through the gadget's comctl32 subclass costs
// some 10 to 20 us more than one to the bare control (comctl32 looks the
// subclass up with GetPropW on every message), which made a 10,000-entry
// fill or search take a fifth of a second, so the per-entry messages go
// straight to the list box's own procedure. The subclass takes no list-box
// messages and misses nothing.
class ListBoxCalls {
 public:
  explicit ListBoxCalls(HWND control)
      : control_(control),
        procedure_(reinterpret_cast<WNDPROC>(GetClassLongPtrA(control, GCLP_WNDPROC))) {}

  LRESULT operator()(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcA(procedure_, control_, message, wParam, lParam);
  }

 private:
  HWND control_;
  WNDPROC procedure_;
};

}  // namespace

HWND newListGadget(int gadget, int x, int y, int width, int height) {
  releaseGadget(gadget);
  constexpr DWORD kStyle =
      LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
  HWND control =
      createGadgetControl(gadget, "LISTBOX", kStyle, WS_EX_CLIENTEDGE, x, y, width, height, "");
  if (!control) return nullptr;
  return registerGadget(std::make_unique<ListGadget>(gadget, control));
}

void clearList(int gadget) {
  if (HWND control = listControl(gadget)) SendMessageA(control, LB_RESETCONTENT, 0, 0);
}

void insertListItem(int gadget, int position, const std::string& text) {
  HWND control = listControl(gadget);
  if (control)
    SendMessageA(control, LB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::string listItemText(int gadget, int index) {
  HWND control = listControl(gadget);
  return control && index >= 0 ? listBoxEntryText(control, index) : std::string();
}

int listItemCount(int gadget) {
  HWND control = listControl(gadget);
  LRESULT count = control ? SendMessageA(control, LB_GETCOUNT, 0, 0) : 0;
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

// A list that repaints and moves its scroll bar for every entry makes a big
// folder take seconds, so redraw stays off until the last entry is in, and
// LB_INITSTORAGE reserves the whole item array and string room up front
// instead of letting the control grow it a few entries at a time.
void appendListItems(int gadget, const std::vector<std::string>& texts) {
  HWND control = listControl(gadget);
  if (!control || texts.empty()) return;
  std::size_t bytes = 0;
  for (const std::string& text : texts) bytes += text.size() + 1;
  SendMessageA(control, WM_SETREDRAW, FALSE, 0);
  SendMessageA(control, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
  const ListBoxCalls call(control);
  for (const std::string& text : texts)
    call(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(control, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control, nullptr, TRUE);
}

// Entries are read, never selected, so nothing repaints. The ANSI
// LB_GETTEXTLEN may report more than the text holds (it allows for
// double-byte characters) but never less, so only an entry reported shorter
// than `text` is passed over without fetching its text.
int findListItem(int gadget, const std::string& text) {
  HWND control = listControl(gadget);
  if (!control) return -1;
  const LRESULT count = SendMessageA(control, LB_GETCOUNT, 0, 0);
  const ListBoxCalls call(control);
  std::string entry;
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = call(LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || static_cast<std::size_t>(length) < text.size()) continue;
    entry.resize(static_cast<std::size_t>(length) + 1);
    const LRESULT copied = call(LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    if (copied == static_cast<LRESULT>(text.size()) &&
        std::memcmp(entry.data(), text.data(), text.size()) == 0)
      return static_cast<int>(index);
  }
  return -1;
}
