#include "full/startup.h"

#include <windows.h>

#include "audio/audio.h"
#include "display/gdiplus.h"
#include "display/time_display.h"
#include "full/skin_table.h"
#include "full/state.h"
#include "full_skin.h"
#include "player/deck_layout.h"
#include "player/skin_setup.h"
#include "toolkit/toolkit.h"

namespace full {
namespace {

// Decoded in this order at start-up.
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

}  // namespace

void StartUp() {
  state = PlayerState{};
  startToolkit();
  GiveInitialValues(state);
  DecodeSkin(kSkinPictures);
  newScreenImage(kSeekCanvas, 24, 120);
  newScreenImage(kVolumeCanvas, 60, 11);
  state.gdipToken = StartGdiplus();
  state.discBitmap = LoadDiscBitmap("ровел2.png");
  newImage(kCanvas, kCanvasSize, kCanvasSize, 32);
  newWindow(kMainWindow, 0, 0, kClientWidth, kClosedHeight, kProgramTitle, kPlayerWindowFlags);
  CreateSkinGadgets();
  setWindowBackdrop(windowHandle(kMainWindow), imageHandle(kSkinWithPanel));
  BASS_Init(-1, 44100, 0, windowHandle(kMainWindow), nullptr);
  SetTimer(windowHandle(kMainWindow), 0, 55, TimeDisplayTimer<kProfile>);
}

}  // namespace full
