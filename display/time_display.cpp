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
void ReadStreamTimes(DeckState& state, Transport& transport) {
  state.lengthBytes = transport.lengthBytes();
  state.lengthSeconds = WholeSeconds(transport.seconds(state.lengthBytes));
  const std::int64_t position = transport.positionBytes();
  state.positionSeconds = WholeSeconds(transport.seconds(position));
}

void DrawSeekBar(const DeckState& state, const DeckProfile& profile, DrawnTimes& drawn) {
  const int row = MarkerRow(state.positionSeconds, state.lengthSeconds);
  if (row == drawn.markerRow) return;
  drawn.markerRow = row;
  beginImageDrawing(profile.seekCanvasImage);
  blitImage(imageHandle(profile.seekScaleImage), 0, 0, kSeekWidth, kSeekHeight);
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

void DrawVolumeStrip(const DeckState& state, const DeckProfile& profile, DrawnTimes& drawn) {
  const int knobX = KnobX(state.volumeKnobX);
  if (knobX == drawn.knobX) return;
  drawn.knobX = knobX;
  beginImageDrawing(profile.volumeCanvasImage);
  blitImage(imageHandle(profile.volumeSlotImage), 0, 0, kVolumeWidth, kVolumeHeight);
  blitImage(imageHandle(profile.volumeKnobImage), knobX, 0, kKnobWidth, kKnobHeight);
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
void UpdateTimeDisplay(const Deck& deck, DrawnTimes& drawn) {
  const DeckProfile& profile = deck.profile;
  ReadStreamTimes(deck.state, deck.transport);
  DrawSeekBar(deck.state, profile, drawn);
  const bool active = deck.transport.activity() != kActiveStopped;
  ShowTimes(deck.state, profile, active);
  DrawVolumeStrip(deck.state, profile, drawn);
  const bool stillActive = deck.transport.activity() != kActiveStopped;
  setWindowCaption(kMainWindow, stillActive ? PlayingTitle(profile) : kProgramTitle);
}
