// How the mixer tells the program that a stream ended or handed over to the
// one queued after it: a message posted to a window of the program's.
#pragma once

// Any thread. A null window posts nothing.
void SetEndNotice(void* window, unsigned message);
// Mixer thread, holding no lock of the library's: posts the message set, if any.
void PostEndNotice();
