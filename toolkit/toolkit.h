#pragma once
// The toolkit between the player logic and Win32: numbered windows, gadgets,
// images, listings and libraries, the non-blocking event fetch, drawing onto
// images, the open-file requester, text helpers and the settings file.
// Texts are Windows-1251 byte strings held by value. Everything runs on the
// program's one thread.
#include "toolkit/drawing.h"
#include "toolkit/events.h"
#include "toolkit/files.h"
#include "toolkit/focus_frame.h"
#include "toolkit/gadgets.h"
#include "toolkit/handed_files.h"
#include "toolkit/images.h"
#include "toolkit/keys.h"
#include "toolkit/libraries.h"
#include "toolkit/pref_file.h"
#include "toolkit/text.h"
#include "toolkit/wide_text.h"
#include "toolkit/window.h"

// Prepares every facility, once, before anything else runs.
void startToolkit();
// Releases everything the toolkit holds, once, after the main loop.
void releaseToolkit();
