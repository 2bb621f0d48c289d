// The window's accessible object as a screen reader in this process meets
// it through oleacc: the controls of a small fake program as children (one
// of them a real list box with entries), hit testing, the default action
// reaching the program, the object outliving its controls, and the events.
#include "toolkit/accessible.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/accessible_iid.h"
#include "toolkit/accessible_object.h"
#include "toolkit_window.h"

namespace {

class FakeControls : public AccessibleControls {
 public:
  int count() override { return static_cast<int>(table.size()); }
  AccessibleControl control(int index) override { return table.at(static_cast<size_t>(index)); }
  void click(int index) override { clicks.push_back(index); }
  int focused() override { return focus; }

  std::vector<AccessibleControl> table;
  std::vector<int> clicks;
  int focus = -1;
};

constexpr int kListGadget = 3;
constexpr RECT kListPlace = {20, 150, 220, 250};

VARIANT childId(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::optional<std::wstring> taken(BSTR text) {
  if (!text) return std::nullopt;
  std::wstring copy(text, SysStringLen(text));
  SysFreeString(text);
  return copy;
}

std::array<LONG, 4> edges(RECT place) { return {place.left, place.top, place.right, place.bottom}; }

RECT onScreen(HWND window, RECT place) {
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

POINT centreOnScreen(HWND window, RECT place) {
  POINT centre = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  ClientToScreen(window, &centre);
  return centre;
}

// What the object says about one child; a missing text is nullopt (S_FALSE).
struct Said {
  std::optional<std::wstring> name, value, action;
  long role = -1;
  long state = -1;
  RECT location = {};
};

Said said(IAccessible* object, long id) {
  Said answer;
  BSTR text = nullptr;
  EXPECT_TRUE(SUCCEEDED(object->get_accName(childId(id), &text)));
  answer.name = taken(text);
  EXPECT_TRUE(SUCCEEDED(object->get_accValue(childId(id), &text)));
  answer.value = taken(text);
  EXPECT_TRUE(SUCCEEDED(object->get_accDefaultAction(childId(id), &text)));
  answer.action = taken(text);
  VARIANT number;
  EXPECT_EQ(object->get_accRole(childId(id), &number), S_OK);
  answer.role = number.vt == VT_I4 ? number.lVal : -1;
  EXPECT_EQ(object->get_accState(childId(id), &number), S_OK);
  answer.state = number.vt == VT_I4 ? number.lVal : -1;
  LONG left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(object->accLocation(&left, &top, &width, &height, childId(id)), S_OK);
  answer.location = {left, top, left + width, top + height};
  return answer;
}

std::optional<std::wstring> text(const wchar_t* expected) {
  return expected ? std::optional<std::wstring>(expected) : std::nullopt;
}

UniqueCom<IAccessible> accessibleOf(IDispatch* object) {
  IAccessible* accessible = nullptr;
  if (object) object->QueryInterface(kAccessibleInterface, reinterpret_cast<void**>(&accessible));
  if (object) object->Release();
  return UniqueCom<IAccessible>(accessible);
}

// The window 0 of the fixture with four controls: a focused button, a
// slider with a value, the track list (a real list box, second entry
// selected) and a hidden button over the bottom edge.
class Accessible : public ToolkitWindow {
 protected:
  void SetUp() override {
    ToolkitWindow::SetUp();
    listBox = newListGadget(kListGadget, kListPlace.left, kListPlace.top, 200, 100);
    appendListItems(kListGadget, {"Первая.mp3", "Вторая.wav", "Третья.mid"});
    setGadgetValue(kListGadget, 1);
    controls.table = {
        {"Питание", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, "", {10, 10, 60, 40}},
        {"Громкость", ROLE_SYSTEM_SLIDER, STATE_SYSTEM_FOCUSABLE, "50 %", {100, 10, 300, 30}},
        {"Дорожки", ROLE_SYSTEM_LIST, STATE_SYSTEM_FOCUSABLE, "Вторая.wav", kListPlace, listBox},
        {"Пауза", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_INVISIBLE, "", {0, 270, 400, 300}},
    };
    controls.focus = 0;
    setWindowAccessible(0, &controls);
    SetFocus(window);
  }

  UniqueCom<IAccessible> clientObject() {
    IAccessible* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                         kAccessibleInterface, reinterpret_cast<void**>(&object)),
              S_OK);
    return UniqueCom<IAccessible>(object);
  }

  UniqueCom<IAccessible> listObject(IAccessible* client) {
    IDispatch* child = nullptr;
    EXPECT_EQ(client->get_accChild(childId(3), &child), S_OK);
    return accessibleOf(child);
  }

  FakeControls controls;
  HWND listBox = nullptr;
};

TEST_F(Accessible, ChildrenSayWhatTheControlsAre) {
  struct Row {
    long id;
    const wchar_t* name;
    long role;
    long state;
    const wchar_t* value;
    const wchar_t* action;
    RECT place;  // client coordinates
  };
  RECT client;
  GetClientRect(window, &client);
  const Row rows[] = {
      {CHILDID_SELF, L"Проба", ROLE_SYSTEM_CLIENT, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
       nullptr, nullptr, client},
      {1,
       L"Питание",
       ROLE_SYSTEM_PUSHBUTTON,
       STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
       nullptr,
       L"Нажать",
       {10, 10, 60, 40}},
      {2,
       L"Громкость",
       ROLE_SYSTEM_SLIDER,
       STATE_SYSTEM_FOCUSABLE,
       L"50 %",
       L"Щёлкнуть",
       {100, 10, 300, 30}},
      {3, L"Дорожки", ROLE_SYSTEM_LIST, STATE_SYSTEM_FOCUSABLE, L"Вторая.wav", L"Щёлкнуть",
       kListPlace},
      {4,
       L"Пауза",
       ROLE_SYSTEM_PUSHBUTTON,
       STATE_SYSTEM_INVISIBLE,
       nullptr,
       L"Нажать",
       {0, 270, 400, 300}},
  };
  UniqueCom<IAccessible> object = clientObject();
  ASSERT_TRUE(object);
  LONG count = 0;
  EXPECT_EQ(object->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 4);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    Said answer = said(object.get(), row.id);
    EXPECT_EQ(answer.name, text(row.name));
    EXPECT_EQ(answer.role, row.role);
    EXPECT_EQ(answer.state, row.state);
    EXPECT_EQ(answer.value, text(row.value));
    EXPECT_EQ(answer.action, text(row.action));
    EXPECT_EQ(edges(answer.location), edges(onScreen(window, row.place)));
  }

  // Only the list is an object of its own; ids past the controls name nothing.
  IDispatch* child = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(object->get_accChild(childId(1), &child), S_FALSE);
  EXPECT_EQ(child, nullptr);
  EXPECT_TRUE(listObject(object.get()));
  BSTR name = nullptr;
  EXPECT_EQ(object->get_accName(childId(5), &name), E_INVALIDARG);
  EXPECT_EQ(name, nullptr);
}

TEST_F(Accessible, HitTestNavigationAndFocusNameTheRightChild) {
  UniqueCom<IAccessible> object = clientObject();
  ASSERT_TRUE(object);
  // A child that is an object comes as VT_DISPATCH, shown here as its role.
  auto child = [](VARIANT found) -> long {
    if (found.vt == VT_I4) return found.lVal;
    if (found.vt != VT_DISPATCH) return -found.vt - 100;
    UniqueCom<IAccessible> accessible = accessibleOf(found.pdispVal);
    VARIANT role;
    if (!accessible || accessible->get_accRole(childId(CHILDID_SELF), &role) != S_OK) return -1;
    return role.lVal == ROLE_SYSTEM_LIST ? 1000 : -2;
  };
  constexpr long kList = 1000, kNothing = -VT_EMPTY - 100;
  struct Hit {
    POINT at;  // screen
    long child;
  };
  RECT outer;
  GetWindowRect(window, &outer);
  const Hit hits[] = {
      {centreOnScreen(window, {10, 10, 60, 40}), 1},
      {centreOnScreen(window, {100, 10, 300, 30}), 2},
      {centreOnScreen(window, kListPlace), kList},
      {centreOnScreen(window, {300, 100, 300, 100}), CHILDID_SELF},
      {centreOnScreen(window, {0, 270, 400, 300}), CHILDID_SELF},  // the hidden button
      {{outer.left + 1, outer.top + 1}, kNothing},
  };
  for (const Hit& hit : hits) {
    SCOPED_TRACE(hit.child);
    VARIANT found;
    HRESULT result = object->accHitTest(hit.at.x, hit.at.y, &found);
    EXPECT_EQ(result, hit.child == kNothing ? S_FALSE : S_OK);
    EXPECT_EQ(child(found), hit.child);
  }

  struct Step {
    long direction, from, to;
  };
  const Step steps[] = {
      {NAVDIR_FIRSTCHILD, CHILDID_SELF, 1},
      {NAVDIR_LASTCHILD, CHILDID_SELF, 4},
      {NAVDIR_NEXT, 1, 2},
      {NAVDIR_NEXT, 2, kList},
      {NAVDIR_NEXT, 4, kNothing},
      {NAVDIR_PREVIOUS, 2, 1},
      {NAVDIR_PREVIOUS, 1, kNothing},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.direction << " from " << step.from);
    VARIANT found;
    HRESULT result = object->accNavigate(step.direction, childId(step.from), &found);
    EXPECT_EQ(result, step.to == kNothing ? S_FALSE : S_OK);
    EXPECT_EQ(child(found), step.to);
  }

  VARIANT focus;
  EXPECT_EQ(object->get_accFocus(&focus), S_OK);
  EXPECT_EQ(child(focus), 1);
  controls.focus = 2;
  EXPECT_EQ(object->get_accFocus(&focus), S_OK);
  EXPECT_EQ(child(focus), kList);
  VARIANT selection;
  EXPECT_EQ(object->get_accSelection(&selection), S_OK);
  EXPECT_EQ(selection.vt, VT_EMPTY);
}

// The program is only asked: the fake notes the click and nothing else runs.
TEST_F(Accessible, DefaultActionAsksTheProgramToClickThatControl) {
  UniqueCom<IAccessible> object = clientObject();
  ASSERT_TRUE(object);
  EXPECT_EQ(object->accDoDefaultAction(childId(2)), S_OK);
  EXPECT_EQ(object->accDoDefaultAction(childId(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(object->accDoDefaultAction(childId(5)), E_INVALIDARG);
  UniqueCom<IAccessible> list = listObject(object.get());
  ASSERT_TRUE(list);
  EXPECT_EQ(list->accDoDefaultAction(childId(CHILDID_SELF)), S_OK);
  EXPECT_EQ(list->accDoDefaultAction(childId(1)), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(controls.clicks, (std::vector<int>{1, 2}));
}

TEST_F(Accessible, ListChildIsTheListBoxWithItsEntries) {
  UniqueCom<IAccessible> object = clientObject();
  ASSERT_TRUE(object);
  UniqueCom<IAccessible> list = listObject(object.get());
  ASSERT_TRUE(list);
  LONG count = 0;
  EXPECT_EQ(list->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);

  Said self = said(list.get(), CHILDID_SELF);
  EXPECT_EQ(self.name, text(L"Дорожки"));
  EXPECT_EQ(self.role, ROLE_SYSTEM_LIST);
  EXPECT_EQ(self.value, text(L"Вторая.wav"));
  EXPECT_EQ(edges(self.location), edges(onScreen(window, kListPlace)));

  constexpr long kEntry = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  constexpr long kChosen = kEntry | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
  const std::array<std::pair<const wchar_t*, long>, 3> entries = {
      {{L"Первая.mp3", kEntry}, {L"Вторая.wav", kChosen}, {L"Третья.mid", kEntry}}};
  for (long id = 1; id <= 3; ++id) {
    SCOPED_TRACE(id);
    Said entry = said(list.get(), id);
    EXPECT_EQ(entry.name, text(entries[static_cast<size_t>(id - 1)].first));
    EXPECT_EQ(entry.role, ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(entry.state, entries[static_cast<size_t>(id - 1)].second);
    RECT item;
    SendMessageA(listBox, LB_GETITEMRECT, static_cast<WPARAM>(id - 1),
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(edges(entry.location), edges(onScreen(listBox, item)));
    POINT centre = centreOnScreen(listBox, item);
    VARIANT hit;
    EXPECT_EQ(list->accHitTest(centre.x, centre.y, &hit), S_OK);
    EXPECT_EQ(hit.vt == VT_I4 ? hit.lVal : -1, id);
  }

  VARIANT selection;
  EXPECT_EQ(list->get_accSelection(&selection), S_OK);
  EXPECT_EQ(selection.vt == VT_I4 ? selection.lVal : -1, 2);
  IDispatch* parent = nullptr;
  EXPECT_EQ(list->get_accParent(&parent), S_OK);
  UniqueCom<IAccessible> parentObject = accessibleOf(parent);
  EXPECT_EQ(parentObject.get(), object.get());
}

// Requests add no objects; a reader's object outlives the controls and the
// window and then says so instead of answering; letting go frees everything.
TEST_F(Accessible, ObjectsAreSharedCutOffAndFreed) {
  ASSERT_EQ(AccessibleObject::liveObjects(), 0);
  for (int request = 0; request < 50; ++request) clientObject();
  EXPECT_EQ(AccessibleObject::liveObjects(), 1);

  UniqueCom<IAccessible> object = clientObject();
  UniqueCom<IAccessible> list = listObject(object.get());
  ASSERT_TRUE(object && list);
  setWindowAccessible(0, nullptr);
  LONG count = -1;
  EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(count, 0);
  BSTR name = nullptr;
  EXPECT_EQ(list->get_accName(childId(1), &name), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(object->accDoDefaultAction(childId(1)), CO_E_OBJNOTCONNECTED);
  EXPECT_TRUE(controls.clicks.empty());

  // The system's object again: its children are the child windows, the list box alone.
  UniqueCom<IAccessible> standard = clientObject();
  ASSERT_TRUE(standard);
  EXPECT_NE(standard.get(), object.get());
  EXPECT_EQ(standard->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 1);
  object.reset();
  list.reset();
  EXPECT_EQ(AccessibleObject::liveObjects(), 0);

  setWindowAccessible(0, &controls);
  object = clientObject();
  ASSERT_TRUE(object);
  DestroyWindow(window);
  EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  object.reset();
  EXPECT_EQ(AccessibleObject::liveObjects(), 0);
}

struct WinEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
  bool operator==(const WinEvent&) const = default;
};

std::vector<WinEvent>& winEvents() {
  static std::vector<WinEvent> seen;
  return seen;
}

void CALLBACK noteWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                           DWORD) {
  winEvents().push_back({event, window, object, child});
}

// EVENT_OBJECT_VALUECHANGE: the system raises none of its own for this window.
TEST_F(Accessible, NotifyRaisesTheEventForTheControlsChildId) {
  winEvents().clear();
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, noteWinEvent,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  notifyAccessible(0, EVENT_OBJECT_VALUECHANGE, 1);
  notifyAccessible(0, EVENT_OBJECT_VALUECHANGE, -1);
  pollUntil([](int) { return winEvents().size() >= 2; });
  UnhookWinEvent(hook);
  const std::vector<WinEvent> expected = {
      {EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, 2},
      {EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF},
  };
  EXPECT_EQ(winEvents(), expected);
}

}  // namespace
