// deckplayer-mini's state record and its profile for the shared code.
#include <iterator>

#include "deck/frame_pacing.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "profile/colour.h"

namespace mini {

PlayerState state;
LibraryTransport transport;
LoopState loop;

void GiveInitialValues(PlayerState& s) {
  s.motorState = kMotorOff;
  s.spinStep = kStandStill;
  s.volumeKnobX = kDeck.volumeKnobStartX;
  s.volume = 0.5f;
  s.pausedSkinX = kSkinAway;
  s.playingSkinX = kSkinShown;
}

namespace {

// Both skins lie beneath the label; the one not shown is drawn far outside.
constexpr CanvasLayer kBeneath[] = {
    {kPausedSkin, &state.pausedSkinX, -kCanvasTop, kDeck.clientWidth, kDeck.openHeight},
    {kPlayingSkin, &state.playingSkinX, -kCanvasTop, kDeck.clientWidth, kDeck.openHeight},
};
static_assert(std::size(kBeneath) <= kMostCanvasLayers);

}  // namespace

const DeckProfile kProfile{
    .programName = "deckplayer-mini",
    .powerMarker = &state.motorState,
    .powerMarkerOn = kMotorOn,
    .folderGadget = kFolderText,
    .listGadget = kTrackList,
    .playingFlagGadget = kPlayingFlag,
    .scanSelectsTrackIndex = true,
    .nominalPassMs = kNominalPassMs,
    .poweredSpeed = kPoweredSpeed,
    .playSpeed = kPlaySpeed,
    .pausedSpeed = kPausedSpeed,
    .resumedSpeed = kResumedSpeed,
    .openLink = kOpenLink,
    .pauseLink = kPauseLink,
    .unitLabel = kUnitLabel,
    .listPanel = kListPanel,
    .pauseIndicatorGadget = kPauseIndicator,
    .tonearmLiftedImage = kTonearmLifted,
    .pausedBackdrop = kPausedSkin,  // pausing swings the tonearm in
    .playingBackdrop = kPlayingSkin,
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
    .canvasSize = kCanvasSize,
    .canvasGadget = kCanvasGadget,
    .canvasFill = Rgb(11, 7, 6),
    .beneath = kBeneath,
    .headshellOverlay = false,
    .above = {},
};

const Deck deck{state, transport, kProfile};
DeckAccessible accessible{deck, loop};

}  // namespace mini
