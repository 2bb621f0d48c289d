#pragma once
// The deck's model: the fields both programs share, under the names both
// give them. Each program's PlayerState derives from DeckState and adds its
// own fields, and the shared procedures take the DeckState of the program
// they run in. The stream is the transport's, and what a pass acts on (the
// event, its gadget, the cursor) is the pass's input.
#include <cstdint>
#include <string>

// Zero-initialised with the record; each program gives its non-zero values.
struct DeckState {
  float volume;
  float spinStep;   // the record's speed: degrees per nominal pass of the build
  float spinAngle;  // within [0, 360)
  int powerOn;
  int paused;
  int panelOpen;
  std::string folderPath;
  std::string chosenFileName;
  int trackCount;
  int trackIndex;
  int searchIndex;
  int volumeKnobX;
  int positionSeconds;
  int lengthSeconds;
  std::int64_t lengthBytes;  // 64-bit: a track may hold more than 2 GiB of PCM
  std::uintptr_t gdipToken;
  void* discBitmap;
};
