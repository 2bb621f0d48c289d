#pragma once
// Numbered top-level windows.
#include <windows.h>

#include <string>

// The class of every toolkit window, by which another start of the program
// finds its windows.
constexpr char kToolkitWindowClass[] = "DeckplayerWindow";

// Given as a position or size to placeWindow or placeGadget, keeps that coordinate.
constexpr int kKeep = -65535;
// Bit 0 of a window's flags centres it on the screen; the other bits are the
// window styles (WS_CAPTION, WS_SYSMENU, ...) as the caller names them.
constexpr unsigned kWindowCentred = 1;

HWND newWindow(int window, int x, int y, int clientWidth, int clientHeight,
               const std::string& title, unsigned flags);
HWND windowHandle(int window);
void placeWindow(int window, int x, int y, int clientWidth, int clientHeight);
void setWindowCaption(int window, const std::string& text);
// Gives the window itself the keyboard focus, taking it from its gadgets.
void focusWindow(int window);
// Tiles the image over the window's client area on every erase; 0 if either handle is 0.
int setWindowBackdrop(HWND window, HBITMAP image);
// The refresh rate of the display, in hertz; 0 or 1 where the system cannot say.
int displayRefreshRate();
