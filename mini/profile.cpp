// deckplayer-mini's state record, its gadget table and its profile for the shared code.
#include "mini/skin_table.h"
#include "mini/state.h"

namespace mini {

PlayerState state;

void GiveInitialValues(PlayerState& s) {
  s.motorState = kMotorOff;
  s.spinStep = kStandStill;
  s.volumeKnobX = 25;
  s.volume = 0.5f;
  s.pausedSkinX = kSkinAway;
  s.playingSkinX = kSkinShown;
}

namespace {

constexpr GadgetSpec kDeckGadgets[] = {
    {GadgetKind::Picture, kCanvasGadget, kCanvasLeft, kCanvasTop, kCanvasSize, kCanvasSize},
    {GadgetKind::Picture, kLitButtonGadget, 10, 296, 35, 35},
    {GadgetKind::Picture, kPowerSwitchGadget, 24, 26, 21, 18, kPowerSwitchOff},
    {GadgetKind::Picture, kPowerLampGadget, 302, 25, 16, 16},
    {GadgetKind::Picture, kVolumeGadget, 323, 288, 60, 11, kVolumeCanvas},
    {GadgetKind::Picture, kSeekGadget, 394, 212, 24, 120, kSeekCanvas},
    {GadgetKind::Picture, kPauseIndicator, 381, 108, 40, 60},
    {GadgetKind::Picture, kPreviousTarget, 54, 320, 13, 13},
    {GadgetKind::Picture, kNextTarget, 79, 320, 13, 13},
};

// Both skins lie beneath the label; the one not shown is drawn far outside.
constexpr CanvasLayer kBeneath[] = {
    {kPausedSkin, &state.pausedSkinX, -kCanvasTop, 435, 550},
    {kPlayingSkin, &state.playingSkinX, -kCanvasTop, 435, 550},
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
        .scanSelectsTrackIndex = true,
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
        .titleForm = TitleForm::EntryNameAndCount,
        .canvasFill = Rgb(11, 7, 6),
        .beneath = kBeneath,
        .headshellOverlay = false,
        .above = {},
    },
    state);

}  // namespace mini
