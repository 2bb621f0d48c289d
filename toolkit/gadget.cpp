// Gadgets under their numbers, the current parent, and the operations that
// every kind answers in its own way.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "toolkit/facilities.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"
#include "toolkit/gdi_table.h"
#include "toolkit/registry.h"
#include "toolkit/window.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

Registry<Gadget>& gadgets() {
  static Registry<Gadget> registry;
  return registry;
}

// The bottom entry is the window newWindow made last; panels are pushed on it.
std::vector<HWND>& parents() {
  static std::vector<HWND> stack;
  return stack;
}

// A control destroyed along with its parent leaves its gadget without a
// control, so later operations on the number do nothing.
LRESULT CALLBACK gadgetSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
  auto* gadget = reinterpret_cast<Gadget*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, gadgetSubclass, kSubclassId);
    gadget->forgetControl();
    return DefSubclassProc(control, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (gadget->handleMessage(message, wParam, lParam, result)) return result;
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

Gadget::Gadget(int number, HWND control) : number_(number), control_(control) {}

// The subclass goes first, so nothing reaches the half-destroyed object.
Gadget::~Gadget() {
  if (!control_) return;
  RemoveWindowSubclass(control_.get(), gadgetSubclass, kSubclassId);
}

bool Gadget::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool Gadget::takeNotification(int) { return false; }
void Gadget::setValue(std::intptr_t) {}
std::intptr_t Gadget::value() const { return 0; }

// The display timer sets its labels 18 times a second, mostly to the text
// they already show; repainting them each time would make them flicker.
void Gadget::setCaption(const std::string& text) {
  if (text == caption()) return;
  SetWindowTextA(control(), text.c_str());
  redraw();
}

std::string Gadget::caption() const {
  int length = GetWindowTextLengthA(control());
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control(), text.data(), length + 1)));
  return text;
}

void Gadget::redraw() { InvalidateRect(control(), nullptr, TRUE); }

HWND createGadgetControl(int gadget, const char* className, DWORD style, DWORD exStyle, int x,
                         int y, int width, int height, const std::string& text) {
  HWND parent = currentGadgetParent();
  if (gadget < 0 || !parent) return nullptr;
  // WS_CLIPSIBLINGS: a gadget never paints over a sibling above it, such as
  // the focus frame drawn around a control of the skin.
  HWND control = CreateWindowExA(
      exStyle, className, text.c_str(), style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
      width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(gadget)),
      GetModuleHandleA(nullptr), nullptr);
  if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(gadgetFont()), FALSE);
  return control;
}

HWND registerGadget(std::unique_ptr<Gadget> gadget) {
  HWND control = gadget->control();
  SetWindowSubclass(control, gadgetSubclass, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(gadget.get()));
  int number = gadget->number();
  gadgets().create(number, std::move(gadget));
  return control;
}

void releaseGadget(int gadget) { gadgets().release(gadget); }

Gadget* findGadget(int gadget) {
  Gadget* found = gadgets().find(gadget);
  return found && found->control() ? found : nullptr;
}

Gadget* gadgetOfControl(HWND control) {
  Gadget* found = findGadget(GetDlgCtrlID(control));
  return found && found->control() == control ? found : nullptr;
}

HWND currentGadgetParent() {
  while (!parents().empty() && !IsWindow(parents().back())) parents().pop_back();
  return parents().empty() ? nullptr : parents().back();
}

void setGadgetParentWindow(HWND window) { parents().assign(1, window); }
void pushGadgetParent(HWND panel) { parents().push_back(panel); }

void popGadgetParent() {
  if (parents().size() > 1) parents().pop_back();
}

RECT rectInParent(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void repaintParentUnder(HWND control, bool now) {
  RECT rect = rectInParent(control);
  UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | (now ? RDW_UPDATENOW : 0);
  RedrawWindow(GetParent(control), &rect, nullptr, flags);
}

void startGadgets() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  registerPanelClass();
}

void releaseGadgets() {
  gadgets().releaseAll();
  parents().clear();
  unregisterPanelClass();
}

void setGadgetValue(int gadget, std::intptr_t value) {
  if (Gadget* found = findGadget(gadget)) found->setValue(value);
}

std::intptr_t gadgetValue(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? found->value() : 0;
}

void setGadgetCaption(int gadget, const std::string& text) {
  if (Gadget* found = findGadget(gadget)) found->setCaption(text);
}

std::string gadgetCaption(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? found->caption() : std::string();
}

// Transparency is only a background of the colouring routine: given here it
// would make a label's box vanish without anything repainting under it.
void setGadgetColour(int gadget, int which, int colour) {
  Gadget* found = findGadget(gadget);
  if (!found || (which != kTextColour && which != kBackColour)) return;
  if (colour == kTransparentColour) colour = kDefaultColour;
  GadgetColours& colours = found->colours();
  (which == kTextColour ? colours.own.text : colours.own.back) = colour;
  colours.isGiven = true;
  found->redraw();
}

void applyGadgetColours(int gadget, int textColour, int backColour) {
  Gadget* found = findGadget(gadget);
  if (!found) return;
  GadgetColours& colours = found->colours();
  colours.applied.text = textColour == kTransparentColour ? kDefaultColour : textColour;
  colours.applied.back = backColour;
  colours.isApplied = true;
  colours.isGiven = true;
  found->redraw();
}

// SWP_NOCOPYBITS: an image gadget without an image has nothing of its own to
// copy along, so its new place is repainted from beneath instead.
void placeGadget(int gadget, int x, int y, int width, int height) {
  Gadget* found = findGadget(gadget);
  if (!found) return;
  RECT rect = rectInParent(found->control());
  if (x == kKeep) x = rect.left;
  if (y == kKeep) y = rect.top;
  if (width == kKeep) width = rect.right - rect.left;
  if (height == kKeep) height = rect.bottom - rect.top;
  // The full player places its lit button on every pass, mostly where it
  // already lies; moving it nowhere would still repaint it.
  if (x == rect.left && y == rect.top && width == rect.right - rect.left &&
      height == rect.bottom - rect.top)
    return;
  SetWindowPos(found->control(), nullptr, x, y, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  found->redraw();
}

HWND gadgetHandle(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? found->control() : nullptr;
}

void focusGadget(int gadget) {
  if (Gadget* found = findGadget(gadget)) SetFocus(found->control());
}

int gadgetLeft(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? static_cast<int>(rectInParent(found->control()).left) : 0;
}

int gadgetTop(int gadget) {
  Gadget* found = findGadget(gadget);
  return found ? static_cast<int>(rectInParent(found->control()).top) : 0;
}
