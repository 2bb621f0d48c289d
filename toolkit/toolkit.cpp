// Start and release of the whole toolkit, each facility in its fixed order.
#include "toolkit/toolkit.h"

#include "toolkit/event_queue.h"
#include "toolkit/facilities.h"

// Text and memory storage need no preparation of their own (std::string);
// images, libraries, window backgrounds and the GDI table start empty.
void startToolkit() {
  startCom();
  startDrawing();
  startWindows();
  startGadgets();
  startRequester();
  startPrefFile();
}

// Backdrops go before their images, the drawing before the image it may
// hold selected, gadgets (with their colours) before the windows they live
// in, and the brushes and font last, when no control is left to ask for one.
// COM goes after the windows: destroying one cuts its accessible objects off
// from the readers that hold them (CoDisconnectObject), which needs the
// apartment still entered.
void releaseToolkit() {
  releaseBackdrops();
  releasePrefFile();
  releaseLibraries();
  releaseListings();
  releaseDrawing();
  releaseImages();
  releaseGadgets();
  releaseWindows();
  releaseGdiTable();
  releaseCom();
  releaseEvents();
}
