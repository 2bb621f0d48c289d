// Picks the decoder for a byte source by its content, not its name.
#pragma once

#include <memory>

#include "audio/byte_reader.h"
#include "audio/decoder.h"

// Nothing for data no decoder plays.
std::unique_ptr<Decoder> OpenDecoder(std::unique_ptr<ByteReader> reader);
