// Gadget messages as every parent of gadgets handles them: a panel gets its
// children's notifications and colour questions, not the top-level window,
// so both answer them here in the same way.
#include "toolkit/parent_messages.h"

#include "toolkit/event_queue.h"
#include "toolkit/gadget_kind.h"
#include "toolkit/window_internal.h"

namespace {

// A notification is offered to its gadget's kind first; one that the kind
// does not take is a gadget event at once, typed by the notification code.
// That is how STN_CLICKED (0), sent while a press on an image gadget is
// dispatched, becomes a left click in the very same fetch.
bool handleNotification(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!control) return false;  // menus and accelerators carry no control
  int code = HIWORD(wParam);
  Gadget* gadget = gadgetOfControl(control);
  if (gadget && gadget->takeNotification(code)) return true;
  setGadgetEvent(windowNumberOfControl(window), LOWORD(wParam), code);
  return true;
}

// A colour question is answered from the colours of the asking control's gadget.
bool answerColourQuestion(UINT message, HDC dc, HWND control, LRESULT& result) {
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return false;
  const Gadget* gadget = gadgetOfControl(control);
  return gadget && gadget->colours().answer(dc, control, result);
}

}  // namespace

bool handleParentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND: return handleNotification(window, wParam, lParam);
    case kGadgetEventMessage:
      setGadgetEvent(windowNumberOfControl(window), static_cast<int>(wParam),
                     static_cast<int>(lParam));
      return true;
    default:
      return answerColourQuestion(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam), result);
  }
}
