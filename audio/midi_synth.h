// The TiMidity synthesizer's process-wide side: its instruments, read once
// at the first MIDI song, and the lock under which songs are loaded.
#pragma once

#include <timidity/SDL.h>
#include <timidity/timidity.h>

#include <cstdint>

constexpr std::uint32_t kMidiRate = 44100;
// Frames per render call; the synthesizer writes whole blocks of this size.
constexpr int kMidiBlockFrames = 2048;

// A song read from source, rendering 16-bit stereo at kMidiRate; null when the
// synthesizer has no instruments, the bytes hold no song or no instrument of
// the song loads. Thread-safe.
MidiSong* LoadMidiSong(SDL_RWops* source);
