#pragma once
// The main loop both programs run: between passes it rests until input
// arrives or the record's next frame falls due, then runs the build's pass,
// until the window is asked to close.
#include "deck/pass.h"

// The frames' pace from the display's refresh rate and the build's record.
void PrepareLoop(LoopState& loop, const DeckProfile& profile);
// Turns the record through the time since the previous pass, then draws a
// frame into the canvas and shows it when the picture changed and the
// display is ready for one.
void TurnAndDraw(const Deck& deck, LoopState& loop);
// drawsFrames says whether the build's pass draws frames now; while it does
// not, only input wakes the loop.
void RunUntilClosed(const Deck& deck, LoopState& loop, void (*runPass)(), bool (*drawsFrames)());
