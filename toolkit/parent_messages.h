#pragma once
// What every window that holds gadgets (top-level window, panel) does with
// their notifications, posted gadget events and colour questions.
#include <windows.h>

// True when the message was handled; result is then the procedure's answer.
bool handleParentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
