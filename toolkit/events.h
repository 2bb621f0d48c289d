#pragma once
// The event fetch and the state of the last event.

// Codes returned by pollEvent; any other value is the number of a platform
// message that was dispatched without producing a toolkit event.
constexpr int kNoEvent = 0;
constexpr int kCloseEvent = 16;
constexpr int kGadgetEvent = 13100;
constexpr int kLeftDoubleClickMessage = 515;  // WM_LBUTTONDBLCLK

// Event types, as lastEventKind returns them.
constexpr int kNoGadgetEvent = -1;
constexpr int kLeftClick = 0;
constexpr int kRightClick = 1;
constexpr int kLeftDoubleClick = 2;
constexpr int kRightDoubleClick = 3;
constexpr int kDragStart = 14002;

// Takes at most one event without waiting; 0 when nothing is pending.
int pollEvent();
// Given to waitForEvent: no time limit.
constexpr int kWaitForever = -1;
// Blocks until a message or input waits to be fetched, or the milliseconds
// have passed; returns at once while an event is pending.
void waitForEvent(int milliseconds);
int lastEventWindow();
int lastSourceGadget();
int lastEventKind();
// The cursor now, in the window's client coordinates; -1 outside the client area.
int cursorX(int window);
int cursorY(int window);
// Both at once, from one reading of the cursor: {-1, -1} outside the client
// area, {0, 0} for a number that names no window.
struct CursorPoint {
  int x, y;
};
CursorPoint cursorPoint(int window);
