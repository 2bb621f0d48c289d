#pragma once
// What the window procedures feed into the event fetch.
#include <windows.h>
#include <shellapi.h>

#include <string>

// Posted to a gadget's top-level window: wParam the gadget, lParam the type.
constexpr UINT kGadgetEventMessage = WM_APP + 0x31;

// Queues a window event; one equal to the newest waiting event is dropped.
void queueWindowEvent(int window, int code);
// Makes the message being dispatched end as a gadget event.
void setGadgetEvent(int window, int gadget, int kind);
// Raises a gadget event in a later fetch, through the control's top-level window.
void postGadgetEvent(HWND control, int gadget, int kind);
void releaseEvents();

// The key of the fetch being made, the modifiers held with it and the gadget
// it was typed in (-1 for none).
void setKeyEvent(int key, int modifiers, int gadget = -1);
// The file handed to a window during the fetch being made.
void setHandedFile(std::string path);

// Keys (keys.cpp): a media or volume key typed in a window is taken at the
// fetch, as it would come as a command; the window procedure hands on
// commands (WM_APPCOMMAND) and hot keys (WM_HOTKEY). Whether a command was
// one the program answers.
bool isMediaKey(WPARAM key);
void takeKeyDown(const MSG& message);
bool takeCommand(LPARAM lParam);
void takeHotKey(LPARAM lParam);

// Files (handed_files.cpp), from the window procedure. A copy of data that
// is no file to open is not taken.
void takeDroppedFiles(HDROP drop);
bool takeCopiedFile(const COPYDATASTRUCT* data);
