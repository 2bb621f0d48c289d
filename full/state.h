#pragma once
// The one global record of deckplayer, read and written by every procedure.
#include <cstdint>
#include <string>

#include "audio/audio.h"

namespace full {

struct PlayerState {
  int powerSwitchX;   // canvas x of the switch's off picture: -6 off, -100 on
  int powerLampX;     // canvas x of the lit lamp: 272 on (the sign that the power is on), -100 off
  float spinStep;     // degrees added to the record's angle on every pass
  AudioHandle stream;
  int glowCanvasX;    // canvas x of the lit start/stop button: -20 hovered, -100 not
  int glowGadgetX;    // x of the lit button's gadget: 10 hovered, -100 not
  int panelOpen;
  std::string folderPath;
  int trackCount;
  int volumeKnobX;
  float volume;
  int seekPercent;
  int positionSeconds;
  int lengthSeconds;
  std::int64_t lengthBytes;  // 64-bit: a track may hold more than 2 GiB of PCM
  std::uintptr_t gdipToken;
  void* discBitmap;
  int event;
  int sourceGadget;
  int mouseX;
  int mouseY;
  int trackIndex;
  int powerOn;
  int paused;
  float spinAngle;
  std::string chosenFileName;
  int searchIndex;
  int seekClickY;
  std::int64_t seekBytes;
};

extern PlayerState state;

// The values that differ from zero once the toolkit has started.
void GiveInitialValues(PlayerState& s);

}  // namespace full
