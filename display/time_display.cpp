#include "display/time_display.h"

#include <string>

#include "audio/audio.h"
#include "display/time_text.h"
#include "profile/deck_layout.h"
#include "toolkit/drawing.h"
#include "toolkit/gadgets.h"
#include "toolkit/images.h"
#include "toolkit/window.h"

namespace {

constexpr int kSeekWidth = kDeck.seekBar.width, kSeekHeight = kDeck.seekBar.height;
constexpr int kMarkerX = kDeck.faderCapX, kMarkerWidth = kDeck.faderCap.width,
              kMarkerHeight = kDeck.faderCap.height;
constexpr int kVolumeWidth = kDeck.volumeSlot.width, kVolumeHeight = kDeck.volumeSlot.height;
constexpr int kKnobWidth = kDeck.volumeKnob.width, kKnobHeight = kDeck.volumeKnob.height;

// The library's 64-bit length is kept whole, so seeking stays right in a
// track of more than 2 GiB of PCM. An invalid handle gives -1 bytes and
// negative seconds, which the display shows as nothing playing.
void ReadStreamTimes(DeckState& state) {
  AudioHandle stream = state.stream;
  state.lengthBytes = BASS_ChannelGetLength(stream, kPositionBytes);
  state.lengthSeconds = WholeSeconds(BASS_ChannelBytes2Seconds(stream, state.lengthBytes));
  std::int64_t position = BASS_ChannelGetPosition(stream, kPositionBytes);
  state.positionSeconds = WholeSeconds(BASS_ChannelBytes2Seconds(stream, position));
}

void DrawSeekBar(const DeckState& state, const DeckProfile& profile) {
  beginImageDrawing(profile.seekCanvasImage);
  blitImage(imageHandle(profile.seekScaleImage), 0, 0, kSeekWidth, kSeekHeight);
  int row = MarkerRow(state.positionSeconds, state.lengthSeconds);
  blitImage(imageHandle(profile.seekMarkerImage), kMarkerX, row, kMarkerWidth, kMarkerHeight);
  endDrawing();
  setGadgetValue(profile.seekGadget,
                 reinterpret_cast<std::intptr_t>(imageHandle(profile.seekCanvasImage)));
}

void ShowTimes(const DeckState& state, const DeckProfile& profile, bool active) {
  std::string elapsed = active ? "  " + ElapsedText(state.positionSeconds) : "  00:00";
  setGadgetCaption(profile.elapsedGadget, elapsed);
  setGadgetCaption(profile.totalGadget, "  " + TotalText(state.lengthSeconds));
}

void DrawVolumeStrip(const DeckState& state, const DeckProfile& profile) {
  beginImageDrawing(profile.volumeCanvasImage);
  blitImage(imageHandle(profile.volumeSlotImage), 0, 0, kVolumeWidth, kVolumeHeight);
  blitImage(imageHandle(profile.volumeKnobImage), KnobX(state.volumeKnobX), 0, kKnobWidth,
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
void UpdateTimeDisplay(DeckState& state, const DeckProfile& profile) {
  ReadStreamTimes(state);
  DrawSeekBar(state, profile);
  bool active = BASS_ChannelIsActive(state.stream) != kActiveStopped;
  ShowTimes(state, profile, active);
  DrawVolumeStrip(state, profile);
  bool stillActive = BASS_ChannelIsActive(state.stream) != kActiveStopped;
  setWindowCaption(kMainWindow, stillActive ? PlayingTitle(profile) : kProgramTitle);
}
