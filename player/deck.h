#pragma once
// What the procedures shared by deckplayer and deckplayer-mini know of the
// program they run in: where its state fields live and the numbers of its
// gadgets, images and speeds. Each program defines one constant DeckProfile
// over its global PlayerState and hands it to the shared code, so one source
// serves both builds and nothing is compiled twice with different macros.
#include <cstdint>
#include <span>
#include <string>

#include "audio/audio.h"

// One picture the record renderer draws onto the canvas at a fixed y and at
// an x that follows a state field (or a constant), stretched to its own size.
struct CanvasLayer {
  int image;
  const int* x;
  int y;
  int width;
  int height;
};

enum class TitleForm {
  EntryName,          // the playing entry's name
  EntryNameAndCount,  // the name, three spaces and "i/n"
};

struct DeckProfile {
  // The fields of the program's PlayerState that shared procedures use;
  // WithFields points them at a state record.
  AudioHandle* stream = nullptr;
  float* volume = nullptr;
  float* spinStep = nullptr;
  float* spinAngle = nullptr;
  int* event = nullptr;
  int* sourceGadget = nullptr;
  int* panelOpen = nullptr;
  std::string* folderPath = nullptr;
  std::string* chosenFileName = nullptr;
  int* trackCount = nullptr;
  int* trackIndex = nullptr;
  int* searchIndex = nullptr;
  int* volumeKnobX = nullptr;
  int* mouseX = nullptr;
  int* mouseY = nullptr;
  int* positionSeconds = nullptr;
  int* lengthSeconds = nullptr;
  std::int64_t* lengthBytes = nullptr;  // 64-bit: a track may hold more than 2 GiB of PCM
  int* seekClickY = nullptr;
  int* seekPercent = nullptr;
  std::int64_t* seekBytes = nullptr;

  // Playback and the track list.
  int folderGadget;       // hidden label whose text is the tracks' folder
  int listGadget;         // the track list
  int playingFlagGadget;  // hidden check box: a track was started
  float playSpeed;        // spinStep once a track starts, degrees per pass
  bool scanSelectsTrackIndex;  // the scan selects trackIndex, else entry 0

  // Time and progress display.
  int seekCanvasImage;
  int seekScaleImage;
  int seekMarkerImage;
  int seekGadget;
  int volumeCanvasImage;
  int volumeSlotImage;
  int volumeKnobImage;
  int volumeGadget;
  int elapsedGadget;
  int totalGadget;
  TitleForm titleForm;

  // Record renderer.
  int canvasFill;                        // colour of the canvas before the skin
  std::span<const CanvasLayer> beneath;  // the skin under the canvas
  bool headshellOverlay;                 // the tonearm's head repainted over the record
  std::span<const CanvasLayer> above;    // switch, lamp and lit button over it
};

// The program's window, listing and library numbers, the same in both builds.
constexpr int kMainWindow = 0;
constexpr int kTrackListing = 0;
constexpr int kGdiplusLibrary = 0;
constexpr int kCanvasImage = 0;
constexpr const char* kProgramTitle = "Ровел mp3";

// A colour as the toolkit packs it (red + green * 256 + blue * 65536), for
// the constant profiles.
constexpr int Rgb(int red, int green, int blue) { return red + green * 256 + blue * 65536; }

// Points a profile's field pointers at a program's state record; both
// records name their shared fields alike.
template <class State>
constexpr DeckProfile WithFields(DeckProfile profile, State& s) {
  profile.stream = &s.stream;
  profile.volume = &s.volume;
  profile.spinStep = &s.spinStep;
  profile.spinAngle = &s.spinAngle;
  profile.event = &s.event;
  profile.sourceGadget = &s.sourceGadget;
  profile.panelOpen = &s.panelOpen;
  profile.folderPath = &s.folderPath;
  profile.chosenFileName = &s.chosenFileName;
  profile.trackCount = &s.trackCount;
  profile.trackIndex = &s.trackIndex;
  profile.searchIndex = &s.searchIndex;
  profile.volumeKnobX = &s.volumeKnobX;
  profile.mouseX = &s.mouseX;
  profile.mouseY = &s.mouseY;
  profile.positionSeconds = &s.positionSeconds;
  profile.lengthSeconds = &s.lengthSeconds;
  profile.lengthBytes = &s.lengthBytes;
  profile.seekClickY = &s.seekClickY;
  profile.seekPercent = &s.seekPercent;
  profile.seekBytes = &s.seekBytes;
  return profile;
}
