#include "toolkit/accessible_object.h"

#include <windows.h>
#include <oleacc.h>

#include <new>
#include <utility>

#include "toolkit/accessible_iid.h"

namespace {

LONG liveCount = 0;

// Readers pass child ids as VT_I4; a few scripting clients pass other integer types.
std::optional<long> childIdOf(const VARIANT& child) {
  switch (child.vt) {
    case VT_I4: return child.lVal;
    case VT_I2: return child.iVal;
    case VT_INT: return child.intVal;
    default: return std::nullopt;
  }
}

void setChildId(VARIANT* result, long child) {
  result->vt = VT_I4;
  result->lVal = child;
}

// An empty text is no text: S_FALSE and a null string, as MSAA asks for a
// missing name, value or default action.
HRESULT copyText(const std::wstring& text, BSTR* result) {
  if (text.empty()) return S_FALSE;
  *result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *result ? S_OK : E_OUTOFMEMORY;
}

// NAVDIR_NEXT and NAVDIR_PREVIOUS from CHILDID_SELF would lead to the
// object's own siblings, which its parent knows, not it; the spatial
// directions are not offered (the controls are places on a picture with
// no order of rows and columns).
HRESULT navigated(long direction, long start, long count, long& target) {
  target = kNoChild;
  switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD:
      if (start != CHILDID_SELF) return E_INVALIDARG;
      if (count > 0) target = direction == NAVDIR_FIRSTCHILD ? 1 : count;
      return S_OK;
    case NAVDIR_NEXT:
      if (start != CHILDID_SELF && start < count) target = start + 1;
      return S_OK;
    case NAVDIR_PREVIOUS:
      if (start > 1) target = start - 1;
      return S_OK;
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace

AccessibleObject::AccessibleObject(std::shared_ptr<AccessibleSource> source)
    : source_(std::move(source)) {
  source_->enrol(static_cast<IAccessible*>(this));
  InterlockedIncrement(&liveCount);
}

AccessibleObject::~AccessibleObject() {
  source_->leave(static_cast<IAccessible*>(this));
  InterlockedDecrement(&liveCount);
}

long AccessibleObject::liveObjects() { return liveCount; }

// Every answer passes here: once cut off, the object says CO_E_OBJNOTCONNECTED,
// and nothing thrown by the program's controls or by an allocation crosses
// into COM, which cannot carry a C++ exception.
template <class Body>
HRESULT AccessibleObject::answer(Body body) {
  try {
    if (!source_->connected() || !alive()) return CO_E_OBJNOTCONNECTED;
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

// The calls about one child: E_INVALIDARG for an id that names none.
template <class Body>
HRESULT AccessibleObject::answerFor(const VARIANT& child, Body body) {
  return answer([&]() -> HRESULT {
    std::optional<long> id = childIdOf(child);
    if (!id || *id < 0 || *id > childCount()) return E_INVALIDARG;
    return body(*id);
  });
}

HRESULT AccessibleObject::answerText(const VARIANT& child, BSTR* text,
                                     std::wstring AccessibleElement::*field) {
  if (!text) return E_POINTER;
  *text = nullptr;
  return answerFor(child, [&](long id) { return copyText(element(id).*field, text); });
}

// A child as MSAA hands it over: its own object (VT_DISPATCH) where it has
// one, else its id (VT_I4); VT_EMPTY for none.
HRESULT AccessibleObject::setChild(VARIANT* result, long child) {
  VariantInit(result);
  if (child == kNoChild) return S_OK;
  if (child != CHILDID_SELF) {
    if (IDispatch* object = childObject(child)) {
      result->vt = VT_DISPATCH;
      result->pdispVal = object;
      return S_OK;
    }
  }
  setChildId(result, child);
  return S_OK;
}

HRESULT AccessibleObject::QueryInterface(REFIID interfaceId, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDispatch) ||
      IsEqualIID(interfaceId, kAccessibleInterface)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleObject::Release() {
  LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// Readers call the IAccessible methods directly; there is no type library
// for late binding.
HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  return answer([&] { return parentObject(parent); });
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return answer([&] {
    *count = childCount();
    return S_OK;
  });
}

// S_FALSE for a simple element, which has no object of its own.
HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return answerFor(child, [&](long id) -> HRESULT {
    if (id == CHILDID_SELF) return E_INVALIDARG;
    *object = childObject(id);
    return *object ? S_OK : S_FALSE;
  });
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  return answerText(child, name, &AccessibleElement::name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  return answerText(child, value, &AccessibleElement::value);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  return answerText(child, action, &AccessibleElement::defaultAction);
}

// No control has a description, a help text or a shortcut of its own to tell.
HRESULT AccessibleObject::answerNoText(const VARIANT& child, BSTR* text) {
  if (!text) return E_POINTER;
  *text = nullptr;
  return answerFor(child, [](long) { return S_FALSE; });
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  return answerNoText(child, description);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  return answerNoText(child, help);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return answerNoText(child, shortcut);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}

// A role or a state goes as a VT_I4, as child ids do.
HRESULT AccessibleObject::answerNumber(const VARIANT& child, VARIANT* number,
                                       long AccessibleElement::*field) {
  if (!number) return E_POINTER;
  VariantInit(number);
  return answerFor(child, [&](long id) {
    setChildId(number, element(id).*field);
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  return answerNumber(child, role, &AccessibleElement::role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  return answerNumber(child, state, &AccessibleElement::state);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return answer([&] { return setChild(child, focusedChild()); });
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  VariantInit(children);
  return answer([&] { return setChild(children, selectedChild()); });
}

// Moving the focus or the selection from outside is not offered: the focus
// among the painted controls follows the program's own keys, and a list
// box's selection its keys and clicks, which also tell the program.
HRESULT AccessibleObject::accSelect(LONG, VARIANT child) {
  return answerFor(child, [](long) { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return answerFor(child, [&](long id) {
    RECT place = element(id).location;
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
  });
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  return answerFor(start, [&](long id) -> HRESULT {
    long target = kNoChild;
    HRESULT found = navigated(direction, id, childCount(), target);
    if (FAILED(found)) return found;
    setChild(end, target);
    return target == kNoChild ? S_FALSE : S_OK;
  });
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return answer([&] {
    long id = childAt(POINT{x, y});
    setChild(child, id);
    return id == kNoChild ? S_FALSE : S_OK;
  });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  return answerFor(child,
                   [&](long id) { return doDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND; });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
