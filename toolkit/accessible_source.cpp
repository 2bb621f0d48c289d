#include "toolkit/accessible_source.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>

void AccessibleSource::leave(IUnknown* object) {
  objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
}

// The objects stay valid for whoever holds them in this process and answer
// CO_E_OBJNOTCONNECTED from now on. CoDisconnectObject drops the references
// COM keeps for other processes (a reader that never lets go, marshalled data
// nobody took), so an object is freed once this process lets go of it, and a
// reader elsewhere gets RPC_E_DISCONNECTED. The references taken first keep
// every object alive until all are cut off, as freeing one edits objects_.
void AccessibleSource::disconnect() {
  controls_ = nullptr;
  std::vector<IUnknown*> alive = objects_;
  for (IUnknown* object : alive) object->AddRef();
  for (IUnknown* object : alive) CoDisconnectObject(object, 0);
  for (IUnknown* object : alive) object->Release();
}
