#pragma once
// Numbered top-level windows.
#include <windows.h>

#include <string>

// Given as a position or size to placeWindow or placeGadget, keeps that coordinate.
constexpr int kKeep = -65535;
// Title bar, system menu and minimise box; bit 0 centres the window on the screen.
constexpr unsigned kPlayerWindowFlags = 0xCA0001;

HWND newWindow(int window, int x, int y, int clientWidth, int clientHeight,
               const std::string& title, unsigned flags);
HWND windowHandle(int window);
void placeWindow(int window, int x, int y, int clientWidth, int clientHeight);
void setWindowCaption(int window, const std::string& text);
// Tiles the image over the window's client area on every erase; 0 if either handle is 0.
int setWindowBackdrop(HWND window, HBITMAP image);
