// The program thread's COM apartment, which the open-file dialog and the
// windows' accessible objects need.
#include <windows.h>
#include <objbase.h>

#include <optional>

#include "toolkit/facilities.h"

namespace {

// Leaves the apartment only if entering it counted (S_OK or S_FALSE), never
// after RPC_E_CHANGED_MODE, when someone else made the thread multithreaded.
class ComApartment {
 public:
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

std::optional<ComApartment>& apartment() {
  static std::optional<ComApartment> entered;
  return entered;
}

}  // namespace

// A single-threaded apartment: what another process calls on an object of
// ours arrives as a message to a hidden window of this thread, so the event
// fetch (PeekMessage and DispatchMessage) serves such calls between passes,
// and a wait for input (MsgWaitForMultipleObjectsEx, QS_ALLINPUT) wakes for them.
void startCom() {
  if (!apartment()) apartment().emplace();
}

void releaseCom() { apartment().reset(); }
