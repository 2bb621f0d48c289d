#pragma once
// The one global record of deckplayer-mini, read and written by every procedure.
#include <cstdint>
#include <string>

#include "audio/audio.h"

namespace mini {

struct PlayerState {
  int motorState;     // 272 while the power is on (the sign that the motor runs), -100 off
  float spinStep;     // degrees added to the label's angle on every pass while the motor runs
  AudioHandle stream;
  int panelOpen;
  std::string folderPath;    // the file last chosen, or the remembered "Путь"
  std::string positionText;  // the remembered "Позиция" as read
  int trackCount;
  int volumeKnobX;
  float volume;
  int seekPercent;
  int positionSeconds;
  int lengthSeconds;
  std::int64_t lengthBytes;  // 64-bit: a track may hold more than 2 GiB of PCM
  int pausedSkinX;    // canvas x of the paused skin: -114 while paused, -1000 otherwise
  int playingSkinX;   // canvas x of the playing skin: -1000 while paused, -114 otherwise
  int trackIndex;
  std::uintptr_t gdipToken;
  void* discBitmap;
  int event;
  int sourceGadget;
  int mouseX;
  int mouseY;
  int powerOn;
  float spinAngle;
  int paused;
  std::string chosenFileName;
  int searchIndex;
  int seekClickY;
  std::int64_t seekBytes;
};

extern PlayerState state;

// The values that differ from zero once the toolkit has started.
void GiveInitialValues(PlayerState& s);

}  // namespace mini
