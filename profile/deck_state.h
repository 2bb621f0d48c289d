#pragma once
// The fields both programs share, under the names both give them. Each
// program's PlayerState derives from DeckState and adds its own fields, and
// the shared procedures take the DeckState of the program they run in.
#include <cstdint>
#include <string>

#include "audio/audio.h"

// Zero-initialised with the record; each program gives its non-zero values.
struct DeckState {
  AudioHandle stream;
  float volume;
  float spinStep;  // degrees added to the record's angle on every pass
  float spinAngle;
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
  int seekClickY;
  int seekPercent;
  std::int64_t seekBytes;
  std::uintptr_t gdipToken;
  void* discBitmap;
  int event;
  int sourceGadget;
  int mouseX;
  int mouseY;
};
