#pragma once
// What the procedures shared by deckplayer and deckplayer-mini know of the
// program they run in besides its state: the numbers of its gadgets and
// images, its speeds and the layers of its record frame. Each program
// defines one constant DeckProfile and hands it, with its state, to the
// shared code, so one source serves both builds and nothing is compiled
// twice with different macros.
#include <span>

#include "toolkit/window.h"

// One picture the record renderer draws onto the canvas at a fixed y and at
// an x that follows a field of the program's state (or a constant),
// stretched to its own size.
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
  // The program's name, by which another start of it finds its window.
  const char* programName;

  // The power counts as on while this field of the program's state holds
  // this value.
  const int* powerMarker;
  int powerMarkerOn;

  // Playback and the track list.
  int folderGadget;            // hidden label whose text is the tracks' folder
  int listGadget;              // the track list
  int playingFlagGadget;       // hidden check box: a track was started
  bool scanSelectsTrackIndex;  // the scan selects trackIndex, else entry 0

  // Speeds of the record, in degrees per nominal pass: a pass as long as
  // the play speed needs to turn the record at 33 1/3 RPM (200 degrees a
  // second). The record turns by time, so its speed does not follow the
  // rate at which passes really run.
  float nominalPassMs;
  float poweredSpeed;  // the power just switched on
  float playSpeed;     // a track starts
  float pausedSpeed;
  float resumedSpeed;

  // The panel's links and labels, and the pause.
  int openLink;
  int pauseLink;
  int unitLabel;
  int listPanel;             // clips the list's frame away
  int pauseIndicatorGadget;  // shows the lifted tonearm while paused
  int tonearmLiftedImage;
  int pausedBackdrop;   // the window's backdrop while paused, -1 to keep it
  int playingBackdrop;  // and while not paused

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
  int canvasSize;                        // the square canvas, in pixels; the record fills it
  int canvasGadget;                      // shows each frame of the canvas
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
// The deck's window: title bar, system menu and minimise box, centred on the
// screen; no frame to resize.
constexpr unsigned kDeckWindowFlags = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | kWindowCentred;
