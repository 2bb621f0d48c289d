// Start and release of the whole toolkit, each facility in its fixed order.
#include "toolkit/toolkit.h"

#include "toolkit/event_queue.h"
#include "toolkit/facilities.h"

// Text and memory storage need no preparation of their own (std::string);
// images, libraries, window backgrounds, the GDI table and the gadget
// colours start empty.
void startToolkit() {
  startDrawing();
  startWindows();
  startGadgets();
  startRequester();
  startPrefFile();
}

// Colours and brushes go before the controls that ask for them, backdrops
// before their images, the drawing before the image it may hold selected,
// gadgets before the windows they live in.
void releaseToolkit() {
  releaseGadgetColours();
  releaseGdiTable();
  releaseBackdrops();
  releasePrefFile();
  releaseLibraries();
  releaseListings();
  releaseDrawing();
  releaseImages();
  releaseGadgets();
  releaseWindows();
  releaseRequester();
  releaseEvents();
}
