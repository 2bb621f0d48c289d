#include "deck/hand_cursor.h"

#include <windows.h>

// LoadCursorA hands out the shared system cursor, which is never destroyed.
void ShowHandCursor() { SetCursor(LoadCursorA(nullptr, IDC_HAND)); }
