#include "display/time_display.h"

#include <string>

#include "audio/audio.h"
#include "display/time_text.h"
#include "toolkit/drawing.h"
#include "toolkit/gadgets.h"
#include "toolkit/images.h"
#include "toolkit/window.h"

namespace {

constexpr int kSeekWidth = 24, kSeekHeight = 120;
constexpr int kMarkerX = 2, kMarkerWidth = 22, kMarkerHeight = 17;
constexpr int kVolumeWidth = 60, kVolumeHeight = 11;
constexpr int kKnobWidth = 13, kKnobHeight = 10;

// The library's 64-bit length is kept whole, so seeking stays right in a
// track of more than 2 GiB of PCM. An invalid handle gives -1 bytes and
// negative seconds, which the display shows as nothing playing.
void ReadStreamTimes(const DeckProfile& profile) {
  AudioHandle stream = *profile.stream;
  *profile.lengthBytes = BASS_ChannelGetLength(stream, kPositionBytes);
  *profile.lengthSeconds = WholeSeconds(BASS_ChannelBytes2Seconds(stream, *profile.lengthBytes));
  std::int64_t position = BASS_ChannelGetPosition(stream, kPositionBytes);
  *profile.positionSeconds = WholeSeconds(BASS_ChannelBytes2Seconds(stream, position));
}

void DrawSeekBar(const DeckProfile& profile) {
  beginImageDrawing(profile.seekCanvasImage);
  blitImage(imageHandle(profile.seekScaleImage), 0, 0, kSeekWidth, kSeekHeight);
  int row = MarkerRow(*profile.positionSeconds, *profile.lengthSeconds);
  blitImage(imageHandle(profile.seekMarkerImage), kMarkerX, row, kMarkerWidth, kMarkerHeight);
  endDrawing();
  setGadgetValue(profile.seekGadget,
                 reinterpret_cast<std::intptr_t>(imageHandle(profile.seekCanvasImage)));
}

void ShowTimes(const DeckProfile& profile, bool active) {
  std::string elapsed = active ? "  " + ElapsedText(*profile.positionSeconds) : "  00:00";
  setGadgetCaption(profile.elapsedGadget, elapsed);
  setGadgetCaption(profile.totalGadget, "  " + TotalText(*profile.lengthSeconds));
}

void DrawVolumeStrip(const DeckProfile& profile) {
  beginImageDrawing(profile.volumeCanvasImage);
  blitImage(imageHandle(profile.volumeSlotImage), 0, 0, kVolumeWidth, kVolumeHeight);
  blitImage(imageHandle(profile.volumeKnobImage), KnobX(*profile.volumeKnobX), 0, kKnobWidth,
            kKnobHeight);
  endDrawing();
  setGadgetValue(profile.volumeGadget,
                 reinterpret_cast<std::intptr_t>(imageHandle(profile.volumeCanvasImage)));
}

std::string PlayingTitle(const DeckProfile& profile) {
  std::string name = gadgetCaption(profile.listGadget);
  if (profile.titleForm == TitleForm::EntryName) return name;
  int count = listItemCount(profile.listGadget);
  int index = static_cast<int>(gadgetValue(profile.listGadget)) + 1;
  return CountedTitle(name, index, count);
}

}  // namespace

// A paused stream counts as active: its time and name stay shown.
void UpdateTimeDisplay(const DeckProfile& profile) {
  ReadStreamTimes(profile);
  DrawSeekBar(profile);
  bool active = BASS_ChannelIsActive(*profile.stream) != kActiveStopped;
  ShowTimes(profile, active);
  DrawVolumeStrip(profile);
  bool stillActive = BASS_ChannelIsActive(*profile.stream) != kActiveStopped;
  setWindowCaption(kMainWindow, stillActive ? PlayingTitle(profile) : kProgramTitle);
}
