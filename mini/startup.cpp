#include "mini/startup.h"

#include <algorithm>
#include <climits>

#include "deck/main_loop.h"
#include "deck/startup.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "mini_skin.h"
#include "player/folder_scan.h"
#include "toolkit/toolkit.h"

namespace mini {
namespace {

constexpr SkinPicture kSkinPictures[] = {
    {kPausedSkin, mini_skin::paused},  // decoded in this order
    {kPowerSwitchOff, mini_skin::power_switch_off},
    {kPowerLampLit, mini_skin::power_lamp_on},
    {kStartButtonLit, mini_skin::start_button_lit},
    {kPlayingSkin, mini_skin::playing},
    {kVolumeKnob, mini_skin::volume_knob},
    {kVolumeSlot, mini_skin::volume_slot},
    {kFaderCap, mini_skin::fader_cap},
    {kFaderScale, mini_skin::fader_scale},
    {kTonearmLifted, mini_skin::tonearm_lifted},
};

constexpr GadgetSpec kDeckGadgets[] = {
    {GadgetKind::Picture, kCanvasGadget, kCanvasLeft, kCanvasTop, kCanvasSize, kCanvasSize},
    PictureGadget(kLitButtonGadget, kDeck.startButton),
    PictureGadget(kPowerSwitchGadget, kDeck.powerSwitch, kPowerSwitchOff),
    PictureGadget(kPowerLampGadget, kPowerLamp),
    PictureGadget(kVolumeGadget, kDeck.volumeSlot, kVolumeCanvas),
    PictureGadget(kSeekGadget, kDeck.seekBar, kSeekCanvas),
    PictureGadget(kPauseIndicator, kDeck.pauseIndicator),
    PictureGadget(kPreviousTarget, kDeck.previous),
    PictureGadget(kNextTarget, kDeck.next),
};

constexpr DeckSkin kDeckSkin{kSkinPictures, kDeckGadgets, "ровел_мини4.png"};

// The file is read only when it opened; a missing one leaves both fields empty.
void ReadPlaylist() {
  if (!openPrefFile(kPlaylistFile)) return;
  state.folderPath = readPrefString(kFolderKey, kMissingValue);
  state.positionText = readPrefString(kPositionKey, kMissingValue);
  closePrefFile();
}

// "Нет" and the empty text give 0; a number beyond 32 bits is held at the edge
// rather than wrapped onto some other entry.
int RememberedIndex(const std::string& text) {
  const std::int64_t value = parseInteger(text);
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

void OpenAtStart(const std::string& file) { loop.pendingFile = file; }

// The remembered folder is listed, and its entry selected, before the first pass.
void StartUp() {
  state = PlayerState{};
  GiveInitialValues(state);
  OpenDeck(state, kProfile, kDeckSkin);
  ReadPlaylist();
  state.trackIndex = RememberedIndex(state.positionText);
  ScanFolder(state, kProfile);
  StartDeck(deck, kPlayingSkin);
  OpenDeckToKeysAndReaders(accessible);
  PrepareLoop(loop, kProfile);
}

}  // namespace mini
