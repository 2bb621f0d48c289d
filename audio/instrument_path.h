// Where the MIDI synthesizer's instrument configuration lives.
#pragma once

#include <string>

// freepats\timidity.cfg in the folder of the running program (not the working
// directory); empty when the program's path cannot be had.
std::string InstrumentConfigPath();
