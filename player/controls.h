#pragma once
// The steps that the main loops of both builds share, each a named function.
#include "player/control_arithmetic.h"
#include "player/folder_scan.h"
#include "player/hand_cursor.h"
#include "player/hit_rect.h"
#include "player/open_file.h"
#include "player/seek_fader.h"
#include "player/start_track.h"
#include "player/track_steps.h"
#include "player/volume_slot.h"
