#pragma once
// One frame of the platter canvas: the skin beneath, the record picture
// turned by the angle about the canvas centre, and the build's overlays.
#include "profile/deck_profile.h"

// bitmap is the GDI+ record picture (null draws no record); angle in degrees.
void DrawRecord(const DeckProfile& profile, void* bitmap, int canvasImage, float angle);
