// The TiMidity synthesizer's process-wide side: its instruments, read once
// at the first MIDI song, and the lock under which songs are loaded.
#pragma once

#include <timidity/SDL.h>
#include <timidity/timidity.h>

#include <cstdint>

#include "audio/midi_decoder.h"

constexpr std::uint32_t kMidiRate = 44100;

// A song read from source, rendering 16-bit stereo at kMidiRate; null when the
// synthesizer has no instruments, the bytes hold no song or no instrument of
// the song loads. Thread-safe.
MidiSong* LoadMidiSong(SDL_RWops* source);
