// Panel gadgets: a plain child window in the button-face colour that holds
// the gadgets created inside it and clips them to its bounds.
#include <windows.h>

#include "toolkit/gadget_kind.h"
#include "toolkit/gadgets.h"
#include "toolkit/parent_messages.h"

namespace {

constexpr char kPanelClass[] = "DeckplayerPanel";

bool& panelClassRegistered() {
  static bool registered = false;
  return registered;
}

// The list box of the track list sends its notifications and colour
// questions here, so the panel answers them as the top-level window does.
LRESULT CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (handleParentMessage(panel, message, wParam, lParam, result)) return result;
  return DefWindowProcA(panel, message, wParam, lParam);
}

}  // namespace

void registerPanelClass() {
  if (panelClassRegistered()) return;
  WNDCLASSEXA panelClass = {};
  panelClass.cbSize = sizeof panelClass;
  panelClass.style = CS_DBLCLKS;
  panelClass.lpfnWndProc = panelProcedure;
  panelClass.hInstance = GetModuleHandleA(nullptr);
  panelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  panelClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  panelClass.lpszClassName = kPanelClass;
  panelClassRegistered() = RegisterClassExA(&panelClass) != 0;
}

void unregisterPanelClass() {
  if (panelClassRegistered()) UnregisterClassA(kPanelClass, GetModuleHandleA(nullptr));
  panelClassRegistered() = false;
}

// No WS_CLIPCHILDREN: image gadgets without an image inside the panel show
// the panel's own background, which it must paint under them.
// WS_EX_CONTROLPARENT lets Tab reach the gadgets inside.
HWND newPanelGadget(int gadget, int x, int y, int width, int height) {
  releaseGadget(gadget);
  HWND control =
      createGadgetControl(gadget, kPanelClass, 0, WS_EX_CONTROLPARENT, x, y, width, height, "");
  if (!control) return nullptr;
  registerGadget(std::make_unique<Gadget>(gadget, control));
  pushGadgetParent(control);
  return control;
}

void endPanel() { popGadgetParent(); }
