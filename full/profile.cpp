// deckplayer's state record, its gadget table and its profile for the shared code.
#include "full/skin_table.h"
#include "full/state.h"

namespace full {

PlayerState state;

void GiveInitialValues(PlayerState& s) {
  s.powerSwitchX = kPowerSwitchOffX;
  s.powerLampX = kHidden;
  s.spinStep = kStandStill;
  s.glowCanvasX = kHidden;
  s.glowGadgetX = kHidden;
  s.volumeKnobX = 25;
  s.volume = 0.5f;
}

namespace {

constexpr GadgetSpec kDeckGadgets[] = {
    {GadgetKind::Picture, kCanvasGadget, kCanvasLeft, kCanvasTop, 0, 0, kCanvas},
    {GadgetKind::Picture, kLitButtonGadget, kHidden, 296, 35, 35, kStartButtonLit},
    {GadgetKind::Picture, kVolumeGadget, 323, 288, 60, 11, kVolumeCanvas},
    {GadgetKind::Picture, kSeekGadget, 394, 212, 24, 120, kSeekCanvas},
    {GadgetKind::Picture, kPauseIndicator, 381, 108, 40, 60},
    {GadgetKind::Picture, kPreviousTarget, 54, 320, 13, 13},
    {GadgetKind::Picture, kNextTarget, 79, 320, 13, 13},
};

// The skin beneath the canvas, lined up with the window's backdrop.
constexpr int kSkinCanvasX = -kCanvasLeft;
constexpr CanvasLayer kBeneath[] = {
    {kSkin, &kSkinCanvasX, -kCanvasTop, 435, 360},
};
constexpr CanvasLayer kAbove[] = {
    {kPowerSwitchOff, &state.powerSwitchX, 9, 21, 18},
    {kPowerLampLit, &state.powerLampX, 7, 16, 16},
    {kStartButtonLit, &state.glowCanvasX, 279, 35, 35},
};

constexpr auto kPanelGadgets = PanelGadgets({
    .elapsedLabel = kElapsedLabel,
    .totalLabel = kTotalLabel,
    .unitLabel = kUnitLabel,
    .openLink = kOpenLink,
    .pauseLink = kPauseLink,
    .listPanel = kListPanel,
    .trackList = kTrackList,
    .folderText = kFolderText,
    .playingFlag = kPlayingFlag,
});

}  // namespace

void CreateSkinGadgets() {
  CreateGadgets(kDeckGadgets);
  CreateGadgets(kPanelGadgets);
}

const DeckProfile kProfile = WithFields(
    DeckProfile{
        .folderGadget = kFolderText,
        .listGadget = kTrackList,
        .playingFlagGadget = kPlayingFlag,
        .playSpeed = kPlaySpeed,
        .scanSelectsTrackIndex = false,
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
        .canvasFill = Rgb(176, 176, 176),
        .beneath = kBeneath,
        .headshellOverlay = true,
        .above = kAbove,
    },
    state);

}  // namespace full
