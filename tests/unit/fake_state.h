#pragma once
// A stand-in for a program's PlayerState in the tests of the shared layers:
// every field a DeckProfile points at, named as the programs name them.
#include <cstdint>
#include <string>

#include "audio/audio.h"

struct FakeState {
  AudioHandle stream = 0;
  float volume = 1.0f;
  float spinStep = 0.0f;
  float spinAngle = 0.0f;
  int event = 0, sourceGadget = 0;
  int panelOpen = 0;
  std::string folderPath;
  std::string chosenFileName;
  int trackCount = 0, trackIndex = 0, searchIndex = 0;
  int volumeKnobX = 20;
  int mouseX = 0, mouseY = 0;
  int positionSeconds = 0, lengthSeconds = 0;
  std::int64_t lengthBytes = 0;
  int seekClickY = 0, seekPercent = 0;
  std::int64_t seekBytes = 0;
  // Full build: the overlays' x; -100 puts one outside the canvas.
  int powerSwitchX = -100, powerLampX = 272, glowCanvasX = -100;
  // Mini build: the x of the paused and the playing skin.
  int pausedSkinX = -1000, playingSkinX = -114;
  // Full build: the skin's fixed x.
  int fullSkinX = -30;
};
