#pragma once
// What the window procedures feed into the event fetch.
#include <windows.h>

// Posted to a gadget's top-level window: wParam the gadget, lParam the type.
constexpr UINT kGadgetEventMessage = WM_APP + 0x31;

// Queues a window event; one equal to the newest waiting event is dropped.
void queueWindowEvent(int window, int code);
// Makes the message being dispatched end as a gadget event.
void setGadgetEvent(int window, int gadget, int kind);
// Raises a gadget event in a later fetch, through the control's top-level window.
void postGadgetEvent(HWND control, int gadget, int kind);
void releaseEvents();
