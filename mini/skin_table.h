#pragma once
// deckplayer-mini's numbers: its images, gadgets and speeds, named by role.
#include "profile/deck_layout.h"
#include "profile/deck_profile.h"

namespace mini {

// Images.
constexpr int kCanvas = kCanvasImage;  // kCanvasSize square, 32 bits: the turning label's frame
constexpr int kPlayingSkin = 2;
constexpr int kPowerSwitchOff = 3;
constexpr int kPowerLampLit = 4;
constexpr int kStartButtonLit = 5;
constexpr int kVolumeKnob = 12;
constexpr int kVolumeCanvas = 13;
constexpr int kVolumeSlot = 14;
constexpr int kFaderScale = 15;
constexpr int kFaderCap = 16;
constexpr int kSeekCanvas = 17;
constexpr int kTonearmLifted = 21;
constexpr int kPausedSkin = 25;

// Gadgets.
constexpr int kCanvasGadget = 1;
constexpr int kPowerSwitchGadget = 3;
constexpr int kPowerLampGadget = 4;
constexpr int kLitButtonGadget = 5;
constexpr int kOpenLink = 6;
constexpr int kPauseLink = 7;
constexpr int kListPanel = 8;
constexpr int kTrackList = 9;
constexpr int kFolderText = 10;
constexpr int kPlayingFlag = 11;
constexpr int kVolumeGadget = 13;
constexpr int kSeekGadget = 17;
constexpr int kElapsedLabel = 18;
constexpr int kTotalLabel = 19;
constexpr int kUnitLabel = 20;
constexpr int kPauseIndicator = 21;
constexpr int kPreviousTarget = 22;
constexpr int kNextTarget = 23;

// Where things go.
constexpr int kCanvasLeft = 114;
constexpr int kCanvasTop = 100;
constexpr int kCanvasSize = 137;
constexpr Box kPowerLamp = {302, 25, 16, 16};
constexpr int kMotorOn = 272;
constexpr int kMotorOff = -100;
constexpr int kSkinShown = -kCanvasLeft;  // a skin's canvas x when it lies under the canvas
constexpr int kSkinAway = -1000;          // a skin's canvas x when it is not drawn

// Speeds of the label, degrees per nominal pass of 2.25 ms: playing, 0.45
// degrees a pass is 200 degrees a second, 33 1/3 RPM.
constexpr float kNominalPassMs = 2.25f;
constexpr float kStandStill = 0.0f;
constexpr float kPoweredSpeed = 0.01f;
constexpr float kPlaySpeed = 0.45f;
constexpr float kPausedSpeed = 0.03f;
constexpr float kResumedSpeed = 0.5f;

// The playlist file beside the program and its keys.
constexpr const char* kPlaylistFile = "плейлист.pcs";
constexpr const char* kFolderKey = "Путь";
constexpr const char* kPositionKey = "Позиция";
constexpr const char* kMissingValue = "Нет";

extern const DeckProfile kProfile;

}  // namespace mini
