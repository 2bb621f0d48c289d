#pragma once
// deckplayer's numbers: its images, gadgets and speeds, named by role.
#include "profile/deck_layout.h"
#include "profile/deck_profile.h"

namespace full {

// Images.
constexpr int kCanvas = kCanvasImage;  // kCanvasSize square, 32 bits: the turning record's frame
constexpr int kSkin = 3;               // the deck without the panel
constexpr int kSkinWithPanel = 4;      // the window's backdrop
constexpr int kPowerSwitchOff = 5;
constexpr int kPowerLampLit = 6;
constexpr int kStartButtonLit = 7;
constexpr int kVolumeKnob = 14;
constexpr int kVolumeCanvas = 15;
constexpr int kVolumeSlot = 16;
constexpr int kFaderScale = 17;
constexpr int kFaderCap = 18;
constexpr int kSeekCanvas = 19;
constexpr int kTonearmLifted = 23;

// Gadgets.
constexpr int kCanvasGadget = 2;
constexpr int kLitButtonGadget = 7;
constexpr int kOpenLink = 8;
constexpr int kPauseLink = 9;
constexpr int kListPanel = 10;
constexpr int kTrackList = 11;
constexpr int kFolderText = 12;
constexpr int kPlayingFlag = 13;
constexpr int kVolumeGadget = 15;
constexpr int kSeekGadget = 19;
constexpr int kElapsedLabel = 20;
constexpr int kTotalLabel = 21;
constexpr int kUnitLabel = 22;
constexpr int kPauseIndicator = 23;
constexpr int kPreviousTarget = 24;
constexpr int kNextTarget = 25;

// Where things go.
constexpr int kCanvasLeft = 30;
constexpr int kCanvasTop = 17;
constexpr int kCanvasSize = 300;
constexpr Box kPowerLamp = {302, 24, 16, 16};             // the lit lamp where it shows
constexpr int kPowerLampOn = kPowerLamp.x - kCanvasLeft;  // powerLampX while the power is on
constexpr int kHidden = -100;                             // an x outside the canvas and the window
constexpr int kPowerSwitchOffX = kDeck.powerSwitch.x - kCanvasLeft;
constexpr int kGlowCanvasX = kDeck.startButton.x - kCanvasLeft;
constexpr int kGlowGadgetX = kDeck.startButton.x;

// Speeds of the record, degrees per nominal pass of 7.5 ms: playing, 1.5
// degrees a pass is 200 degrees a second, 33 1/3 RPM.
constexpr float kNominalPassMs = 7.5f;
constexpr float kStandStill = 0.0f;
constexpr float kPoweredSpeed = 0.03f;
constexpr float kPlaySpeed = 1.5f;
constexpr float kPausedSpeed = 0.06f;

// What the shared procedures need to know of deckplayer.
extern const DeckProfile kProfile;

}  // namespace full
