#include "mini/startup.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "audio/audio.h"
#include "display/gdiplus.h"
#include "display/time_display.h"
#include "mini/skin_table.h"
#include "mini/state.h"
#include "mini_skin.h"
#include "player/deck_layout.h"
#include "player/folder_scan.h"
#include "player/skin_setup.h"
#include "toolkit/toolkit.h"

namespace mini {
namespace {

// Decoded in this order at start-up.
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

void StartUp() {
  state = PlayerState{};
  startToolkit();
  GiveInitialValues(state);
  DecodeSkin(kSkinPictures);
  newScreenImage(kSeekCanvas, 24, 120);
  newScreenImage(kVolumeCanvas, 60, 11);
  newImage(kCanvas, kCanvasSize, kCanvasSize, 32);
  state.gdipToken = StartGdiplus();
  state.discBitmap = LoadDiscBitmap("ровел_мини4.png");
  newWindow(kMainWindow, 0, 0, kClientWidth, kClosedHeight, kProgramTitle, kPlayerWindowFlags);
  CreateSkinGadgets();
  ReadPlaylist();
  state.trackIndex = RememberedIndex(state.positionText);
  ScanFolder(kProfile);
  setWindowBackdrop(windowHandle(kMainWindow), imageHandle(kPlayingSkin));
  BASS_Init(-1, 44100, 0, windowHandle(kMainWindow), nullptr);
  SetTimer(windowHandle(kMainWindow), 0, 55, TimeDisplayTimer<kProfile>);
}

}  // namespace mini
