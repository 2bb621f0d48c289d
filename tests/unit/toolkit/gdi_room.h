#pragma once
// How many more GDI objects the process may make: brushes are made until the
// system refuses one (10000 objects a process on Windows, 65536 under Wine),
// then deleted again. Shows a leak where GetGuiResources does not count.
int gdiRoom();
