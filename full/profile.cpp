// deckplayer's state record and its profile for the shared code.
#include <iterator>

#include "deck/frame_pacing.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "profile/colour.h"

namespace full {

PlayerState state;
LibraryTransport transport;
LoopState loop;

void GiveInitialValues(PlayerState& s) {
  s.powerSwitchX = kPowerSwitchOffX;
  s.powerLampX = kHidden;
  s.spinStep = kStandStill;
  s.glowCanvasX = kHidden;
  s.glowGadgetX = kHidden;
  s.volumeKnobX = kDeck.volumeKnobStartX;
  s.volume = 0.5f;
}

namespace {

// The skin beneath the canvas, lined up with the window's backdrop.
constexpr int kSkinCanvasX = -kCanvasLeft;
constexpr CanvasLayer kBeneath[] = {
    {kSkin, &kSkinCanvasX, -kCanvasTop, kDeck.clientWidth, kDeck.closedHeight},
};
constexpr CanvasLayer kAbove[] = {
    {kPowerSwitchOff, &state.powerSwitchX, kDeck.powerSwitch.y - kCanvasTop,
     kDeck.powerSwitch.width, kDeck.powerSwitch.height},
    {kPowerLampLit, &state.powerLampX, kPowerLamp.y - kCanvasTop, kPowerLamp.width,
     kPowerLamp.height},
    {kStartButtonLit, &state.glowCanvasX, kDeck.startButton.y - kCanvasTop, kDeck.startButton.width,
     kDeck.startButton.height},
};
static_assert(std::size(kBeneath) + std::size(kAbove) <= kMostCanvasLayers);

}  // namespace

const DeckProfile kProfile{
    .programName = "deckplayer",
    .powerMarker = &state.powerLampX,
    .powerMarkerOn = kPowerLampOn,
    .folderGadget = kFolderText,
    .listGadget = kTrackList,
    .playingFlagGadget = kPlayingFlag,
    .scanSelectsTrackIndex = false,
    .nominalPassMs = kNominalPassMs,
    .poweredSpeed = kPoweredSpeed,
    .playSpeed = kPlaySpeed,
    .pausedSpeed = kPausedSpeed,
    .resumedSpeed = kPlaySpeed,
    .openLink = kOpenLink,
    .pauseLink = kPauseLink,
    .unitLabel = kUnitLabel,
    .listPanel = kListPanel,
    .pauseIndicatorGadget = kPauseIndicator,
    .tonearmLiftedImage = kTonearmLifted,
    .pausedBackdrop = -1,
    .playingBackdrop = -1,
    .seekCanvasImage = kSeekCanvas,
    .seekScaleImage = kFaderScale,
    .seekMarkerImage = kFaderCap,
    .seekGadget = kSeekGadget,
    .volumeCanvasImage = kVolumeCanvas,
    .volumeSlotImage = kVolumeSlot,
    .volumeKnobImage = kVolumeKnob,
    .volumeGadget = kVolumeGadget,
    .elapsedGadget = kElapsedLabel,
    .totalGadget = kTotalLabel,
    .titleForm = TitleForm::EntryName,
    .canvasSize = kCanvasSize,
    .canvasGadget = kCanvasGadget,
    .canvasFill = Rgb(176, 176, 176),
    .beneath = kBeneath,
    .headshellOverlay = true,
    .above = kAbove,
};

const Deck deck{state, transport, kProfile};
DeckAccessible accessible{deck, loop};

}  // namespace full
