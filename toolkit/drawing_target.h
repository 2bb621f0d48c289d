#pragma once
// Between images and drawing: an image about to be released must not stay
// selected into the drawing context, or DeleteObject would refuse it.
#include <windows.h>

// Ends this thread's drawing when its target is the given bitmap.
void endDrawingOn(HBITMAP bitmap);
