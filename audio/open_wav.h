// The WAV path: which decoder plays a RIFF/WAVE, RF64 or Wave64 file.
#pragma once

#include <memory>

#include "audio/byte_reader.h"
#include "audio/decoder.h"

// Whether the reader holds a RIFF/WAVE (or RIFX), RF64 or Wave64 header; it
// is left at its start.
bool IsWavFile(ByteReader& reader);

// Nothing when no decoder plays it.
std::unique_ptr<Decoder> OpenWav(std::unique_ptr<ByteReader> reader);
