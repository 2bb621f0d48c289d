#pragma once
// One current drawing target per thread: an image.
#include <windows.h>

// Ends any open drawing, then draws on the image; 0 when the image does not exist.
HDC beginImageDrawing(int image);
void fillBox(int x, int y, int width, int height, int colour);
// Width and height 0 mean the image's own size; another size stretches it.
void blitImage(HBITMAP image, int x, int y, int width, int height);
void endDrawing();
int makeColour(int red, int green, int blue);
