// The Xing/Info header an encoder writes in the first MPEG frame, checked
// against the bytes there really are.
#pragma once

#include "audio/byte_reader.h"

// True when the header counts more bytes than follow its frame (a file cut
// short), or counts none; false when the bytes are there or there is no such
// header. The reader is left at its start.
bool XingPromiseInDoubt(ByteReader& reader);
