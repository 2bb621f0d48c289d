#include "mini/startup.h"

#include <algorithm>
#include <climits>

#include "deck/startup.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "mini_skin.h"
#include "player/folder_scan.h"
#include "toolkit/toolkit.h"

namespace mini {
namespace {

constexpr SkinPicture kSkinPictures[] = {
    {kPausedSkin, mini_skin::paused},
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
    {GadgetKind::Picture, kLitButtonGadget, 10, 296, 35, 35},
    {GadgetKind::Picture, kPowerSwitchGadget, 24, 26, 21, 18, kPowerSwitchOff},
    {GadgetKind::Picture, kPowerLampGadget, 302, 25, 16, 16},
    {GadgetKind::Picture, kVolumeGadget, 323, 288, 60, 11, kVolumeCanvas},
    {GadgetKind::Picture, kSeekGadget, 394, 212, 24, 120, kSeekCanvas},
    {GadgetKind::Picture, kPauseIndicator, 381, 108, 40, 60},
    {GadgetKind::Picture, kPreviousTarget, 54, 320, 13, 13},
    {GadgetKind::Picture, kNextTarget, 79, 320, 13, 13},
};

constexpr DeckSkin kDeckSkin{kSkinPictures, kDeckGadgets, "ровел_мини4.png", kCanvasSize};

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

// The remembered folder is listed, and its entry selected, before the first pass.
void StartUp() {
  state = PlayerState{};
  GiveInitialValues(state);
  OpenDeck(state, kProfile, kDeckSkin);
  ReadPlaylist();
  state.trackIndex = RememberedIndex(state.positionText);
  ScanFolder(state, kProfile);
  StartDeck(state, kProfile, kPlayingSkin);
}

}  // namespace mini
