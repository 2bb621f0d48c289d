#pragma once
// Top-level windows as the rest of the toolkit sees them.
#include <windows.h>

// The number of a toolkit window, -1 for any other window.
int windowNumberOf(HWND window);
// The number of the toolkit window that holds a control, -1 if none.
int windowNumberOfControl(HWND control);

// Window backgrounds: answers an erase with the tiled image; false without one.
bool paintBackdrop(HWND window, HDC dc);
void forgetBackdrop(HWND window);

// Accessibility: answers WM_GETOBJECT for the client area with the window's
// accessible object; false leaves the message to DefWindowProc.
bool answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The window is going: its accessible objects are cut off from their controls.
void forgetAccessible(HWND window);
