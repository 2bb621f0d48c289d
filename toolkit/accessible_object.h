#pragma once
// The COM side of the toolkit's accessible objects: IUnknown, IDispatch and
// IAccessible, written once over a small model of plain values that each
// kind of object (the window's client area, a list box) fills in.
#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>

#include "toolkit/accessible_source.h"

// What an object says about itself (CHILDID_SELF) or about one of its children.
struct AccessibleElement {
  std::wstring name;
  long role = 0;
  long state = 0;
  std::wstring value;          // empty: none
  std::wstring defaultAction;  // empty: none
  RECT location = {};          // screen coordinates
};

// A child id the model answers for "nothing": no focus, no selection, a
// point outside the object.
constexpr long kNoChild = -1;

class AccessibleObject : public IAccessible {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  // Objects of this kind alive in the process, for the tests of reference counting.
  static long liveObjects();

 protected:
  explicit AccessibleObject(std::shared_ptr<AccessibleSource> source);
  virtual ~AccessibleObject();

  const std::shared_ptr<AccessibleSource>& source() const { return source_; }
  HWND window() const { return source_->window(); }
  // Only called inside the model's answers, which run while connected.
  AccessibleControls& controls() const { return *source_->controls(); }

  // The model. Child ids given to it lie in 0..childCount().
  virtual bool alive() { return true; }
  virtual HRESULT parentObject(IDispatch** parent) = 0;
  virtual long childCount() = 0;
  virtual AccessibleElement element(long child) = 0;
  // The child's own object (a new reference), null for a simple element.
  virtual IDispatch* childObject(long child) = 0;
  virtual long childAt(POINT screen) = 0;
  virtual long focusedChild() = 0;
  virtual long selectedChild() = 0;
  // False when the child has no default action.
  virtual bool doDefaultAction(long child) = 0;

 private:
  template <class Body>
  HRESULT answer(Body body);
  template <class Body>
  HRESULT answerFor(const VARIANT& child, Body body);
  HRESULT answerText(const VARIANT& child, BSTR* text, std::wstring AccessibleElement::*field);
  HRESULT answerNoText(const VARIANT& child, BSTR* text);
  HRESULT answerNumber(const VARIANT& child, VARIANT* number, long AccessibleElement::*field);
  HRESULT setChild(VARIANT* result, long child);

  LONG references_ = 1;
  std::shared_ptr<AccessibleSource> source_;
};

// The two kinds of object, each returned as a new reference (null when out of memory).
// The window's client area, whose children are the program's controls.
IAccessible* newWindowAccessible(std::shared_ptr<AccessibleSource> source);
// Control `index`'s list box as a list whose children are its entries.
IAccessible* newListAccessible(std::shared_ptr<AccessibleSource> source, IAccessible* parent,
                               int index);

// A control as a child of the window's object: the texts in UTF-16, the
// place on the screen, the word for its default action.
AccessibleElement controlElement(const AccessibleControl& control, HWND window, bool focused);
