#include "full/startup.h"

#include "deck/main_loop.h"
#include "deck/startup.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "full_skin.h"

namespace full {
namespace {

constexpr SkinPicture kSkinPictures[] = {
    {kSkin, full_skin::turntable},
    {kPowerSwitchOff, full_skin::power_switch_off},
    {kPowerLampLit, full_skin::power_lamp_on},
    {kStartButtonLit, full_skin::start_button_lit},
    {kSkinWithPanel, full_skin::turntable_panel},
    {kVolumeKnob, full_skin::volume_knob},
    {kVolumeSlot, full_skin::volume_slot},
    {kFaderCap, full_skin::fader_cap},
    {kFaderScale, full_skin::fader_scale},
    {kTonearmLifted, full_skin::tonearm_lifted},
};

constexpr GadgetSpec kDeckGadgets[] = {
    {GadgetKind::Picture, kCanvasGadget, kCanvasLeft, kCanvasTop, 0, 0, kCanvas},
    // Lit only while hovered, so it starts outside the window.
    PictureGadget(kLitButtonGadget,
                  {kHidden, kDeck.startButton.y, kDeck.startButton.width, kDeck.startButton.height},
                  kStartButtonLit),
    PictureGadget(kVolumeGadget, kDeck.volumeSlot, kVolumeCanvas),
    PictureGadget(kSeekGadget, kDeck.seekBar, kSeekCanvas),
    PictureGadget(kPauseIndicator, kDeck.pauseIndicator),
    PictureGadget(kPreviousTarget, kDeck.previous),
    PictureGadget(kNextTarget, kDeck.next),
};

constexpr DeckSkin kDeckSkin{kSkinPictures, kDeckGadgets, "ровел2.png"};

}  // namespace

void OpenAtStart(const std::string& file) { loop.pendingFile = file; }

void StartUp() {
  state = PlayerState{};
  GiveInitialValues(state);
  OpenDeck(state, kProfile, kDeckSkin);
  StartDeck(deck, kSkinWithPanel);
  OpenDeckToKeysAndReaders(accessible);
  PrepareLoop(loop, kProfile);
}

}  // namespace full
