// Check gadgets: an automatic check box, which ticks itself when clicked.
#include <windows.h>

#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"

namespace {

class CheckGadget : public Gadget {
 public:
  using Gadget::Gadget;

  void setValue(std::intptr_t value) override {
    SendMessageA(control(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  std::intptr_t value() const override {
    return SendMessageA(control(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
};

}  // namespace

HWND newCheckGadget(int gadget, int x, int y, int width, int height, const std::string& text) {
  releaseGadget(gadget);
  HWND control = createGadgetControl(gadget, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, x, y, width,
                                     height, text);
  if (!control) return nullptr;
  return registerGadget(std::make_unique<CheckGadget>(gadget, control));
}
