#pragma once
// A visible mark around a place of a window's client area that has the
// keyboard focus but is no window of its own, such as a control painted on
// a picture: a dotted frame above every gadget, transparent to the mouse.

// Frames the box (client coordinates) with the mark just outside it.
void showFocusFrame(int window, int x, int y, int width, int height);
void hideFocusFrame(int window);
