// Standard MIDI files rendered by the TiMidity synthesizer with the
// instruments beside the program, as 16-bit stereo at 44,100 Hz.
#pragma once

#include <memory>

#include "audio/byte_reader.h"
#include "audio/decoder.h"

// Frames per render call; the synthesizer writes whole blocks of this size.
constexpr int kMidiBlockFrames = 2048;

// Nothing when the bytes hold no playable song or the synthesizer has no instruments.
std::unique_ptr<Decoder> OpenMidiDecoder(std::unique_ptr<ByteReader> reader);
