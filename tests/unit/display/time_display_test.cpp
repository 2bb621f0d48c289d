#include "display/time_display.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "audio/test_hooks.h"
#include "deck/startup.h"
#include "deck_fixture.h"
#include "tests/unit/audio/wav_bytes.h"
#include "toolkit/facilities.h"
#include "toolkit/toolkit.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr int kRate = 44100, kChannels = 2, kWavSeconds = 2;
constexpr std::int64_t kWavBytes = std::int64_t{kRate} * kChannels * 2 * kWavSeconds;
const int kMarker = Rgb(250, 20, 20), kKnob = Rgb(20, 250, 20);

// A quiet 440 Hz square wave as 16-bit stereo PCM.
std::string WriteWav(const std::string& path) {
  Bytes samples;
  for (std::int64_t frame = 0; frame < kWavBytes / 4; ++frame) {
    std::uint32_t level = (frame / 50) % 2 ? 2000u : static_cast<std::uint16_t>(-2000);
    Put16(samples, level), Put16(samples, level);
  }
  const Bytes out = WavFile({.channels = kChannels, .rate = kRate}, samples);
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
  return path;
}

class TimeDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AudioTestForceSilentOutput(true);
    BASS_Init(kDefaultDevice, kRate, 0, nullptr, nullptr);
    wavPath_ = WriteWav(TemporaryFolder("display-time") + "тон.wav");
  }

  void SetUp() override { Build(deck_); }
  void TearDown() override {
    BASS_StreamFree(deck_.transport.stream);
    releaseImages();
  }

  // Window 0 with the time gadgets of the profile, a list of three entries
  // with the third selected, and pictures whose colours can be found again.
  static void Build(TestDeck& deck) {
    const DeckProfile& p = deck.profile;
    const Box& bar = kDeck.seekBar;
    const Box& slot = kDeck.volumeSlot;
    newWindow(kMainWindow, 0, 0, kDeck.clientWidth, kDeck.openHeight, kProgramTitle,
              kDeckWindowFlags);
    newImage(p.seekCanvasImage, bar.width, bar.height, 32);
    SolidImage(p.seekScaleImage, bar.width, bar.height, Rgb(30, 30, 30));
    SolidImage(p.seekMarkerImage, kDeck.faderCap.width, kDeck.faderCap.height, kMarker);
    newImage(p.volumeCanvasImage, slot.width, slot.height, 32);
    SolidImage(p.volumeSlotImage, slot.width, slot.height, Rgb(40, 40, 40));
    SolidImage(p.volumeKnobImage, kDeck.volumeKnob.width, kDeck.volumeKnob.height, kKnob);
    newPictureGadget(p.seekGadget, 400, 10, bar.width, bar.height, nullptr);
    newPictureGadget(p.volumeGadget, 10, 300, slot.width, slot.height, nullptr);
    newLabelGadget(p.elapsedGadget, 10, 500, 80, 20, "x");
    newLabelGadget(p.totalGadget, 100, 500, 80, 20, "x");
    newListGadget(p.listGadget, 10, 370, 200, 100);
    for (const char* name : {"а.wav", "б.wav", "тон.wav"}) insertListItem(p.listGadget, -1, name);
    setGadgetValue(p.listGadget, 2);
  }

  // A paused stream of the test tone: active, and standing still.
  static void OpenPausedStream(TestDeck& deck) {
    deck.transport.stream = BASS_StreamCreateFile(false, wavPath_.c_str(), 0, 0, 0);
    ASSERT_NE(deck.transport.stream, 0u);
    BASS_ChannelPlay(deck.transport.stream, false);
    BASS_ChannelPause(deck.transport.stream);
  }

  static int MarkerRowShown(const TestDeck& deck) {
    const int width = kDeck.seekBar.width;
    std::vector<int> pixels = ImagePixels(deck.profile.seekCanvasImage);
    for (int y = 0; y < static_cast<int>(pixels.size()) / width; ++y)
      if (pixels[y * width + 10] == kMarker) return y;
    return -1;
  }

  int KnobXShown() const {
    const Box& slot = kDeck.volumeSlot;
    std::vector<int> pixels = ImagePixels(deck_.profile.volumeCanvasImage);
    for (int x = 0;
         x < slot.width && pixels.size() >= static_cast<std::size_t>(slot.width * slot.height); ++x)
      if (pixels[5 * slot.width + x] == kKnob) return x;
    return -1;
  }

  std::string Title() const {
    char text[256] = {};
    GetWindowTextA(windowHandle(kMainWindow), text, sizeof text);
    return text;
  }

  static std::string wavPath_;
  TestDeck deck_{Build::Full};
};

std::string TimeDisplay::wavPath_;

TEST_F(TimeDisplay, WithoutAStreamShowsNothingPlaying) {
  deck_.transport.stream = 0;
  DrawnTimes drawn;
  UpdateTimeDisplay(deck_.AsDeck(), drawn);
  EXPECT_EQ(deck_.state.lengthBytes, -1);
  EXPECT_LT(deck_.state.lengthSeconds, 0);
  EXPECT_EQ(gadgetCaption(deck_.profile.elapsedGadget), "  00:00");
  EXPECT_EQ(gadgetCaption(deck_.profile.totalGadget), "  0:00");
  EXPECT_EQ(MarkerRowShown(deck_), 103);
  EXPECT_EQ(Title(), kProgramTitle);
}

// Both builds' numbers; the mini title adds the entry's place in the list.
TEST_F(TimeDisplay, PausedStreamShowsItsTimesAndName) {
  TestDeck mini(Build::Mini, TitleForm::EntryNameAndCount);
  const struct {
    TestDeck& deck;
    const char* title;
  } cases[] = {{deck_, "тон.wav"}, {mini, "тон.wav   3/3"}};
  for (const auto& c : cases) {
    Build(c.deck);
    OpenPausedStream(c.deck);
    DrawnTimes drawn;
    UpdateTimeDisplay(c.deck.AsDeck(), drawn);
    const DeckState& state = c.deck.state;
    EXPECT_EQ(state.lengthBytes, kWavBytes);
    EXPECT_EQ(state.lengthSeconds, kWavSeconds);
    EXPECT_EQ(state.positionSeconds, 0);
    EXPECT_EQ(gadgetCaption(c.deck.profile.elapsedGadget), "  0:00");
    EXPECT_EQ(gadgetCaption(c.deck.profile.totalGadget), "  0:02");
    EXPECT_EQ(MarkerRowShown(c.deck), 103);
    EXPECT_EQ(Title(), c.title);
    BASS_StreamFree(c.deck.transport.stream);
  }
}

// At the end of the track (position rounding to the length) the marker is at row 3.
TEST_F(TimeDisplay, MarkerReachesRow3AtTheEnd) {
  OpenPausedStream(deck_);
  BASS_ChannelSetPosition(deck_.transport.stream, kWavBytes - 4 * 400, kPositionBytes);
  DWORD deadline = GetTickCount() + 3000;
  DrawnTimes drawn;
  do UpdateTimeDisplay(deck_.AsDeck(), drawn);
  while (deck_.state.positionSeconds != kWavSeconds && GetTickCount() < deadline);
  EXPECT_EQ(deck_.state.positionSeconds, kWavSeconds);
  EXPECT_EQ(MarkerRowShown(deck_), 3);
  EXPECT_EQ(gadgetCaption(deck_.profile.elapsedGadget), "  0:02");
}

// One display, ticking on: the knob is drawn anew whenever its place changes.
TEST_F(TimeDisplay, KnobIsKeptInsideTheStrip) {
  const struct { int field, shown; } cases[] = {{-4, 5}, {54, 48}, {30, 30}, {-4, 5}};
  DrawnTimes drawn;
  for (auto c : cases) {
    deck_.state.volumeKnobX = c.field;
    UpdateTimeDisplay(deck_.AsDeck(), drawn);
    EXPECT_EQ(KnobXShown(), c.shown) << c.field;
  }
}

// A tick that would draw the same marker and knob again repaints neither
// gadget, so a deck where nothing moves costs its ticks next to nothing.
TEST_F(TimeDisplay, UnchangedCanvasesAreNotDrawnAgain) {
  DrawnTimes drawn;
  UpdateTimeDisplay(deck_.AsDeck(), drawn);
  ASSERT_EQ(KnobXShown(), 20);
  const int colourOfTheStrip = Rgb(40, 40, 40);
  SolidImage(deck_.profile.volumeCanvasImage, kDeck.volumeSlot.width, kDeck.volumeSlot.height,
             colourOfTheStrip);
  SolidImage(deck_.profile.seekCanvasImage, kDeck.seekBar.width, kDeck.seekBar.height,
             colourOfTheStrip);
  UpdateTimeDisplay(deck_.AsDeck(), drawn);
  EXPECT_EQ(KnobXShown(), -1);
  EXPECT_EQ(MarkerRowShown(deck_), -1);
  deck_.state.volumeKnobX = 21;
  UpdateTimeDisplay(deck_.AsDeck(), drawn);
  EXPECT_EQ(KnobXShown(), 21);
  EXPECT_EQ(MarkerRowShown(deck_), -1);
}

DeckState timerState{};
LibraryTransport timerTransport;
const Deck kTimerDeck{timerState, timerTransport, full::kProfile};
const DeckProfile& kTimerProfile = full::kProfile;

// The callback runs inside the event fetch on the window's 55 ms timer.
TEST_F(TimeDisplay, TimerCallbackUpdatesTheLabels) {
  newLabelGadget(kTimerProfile.elapsedGadget, 10, 500, 80, 20, "x");
  ASSERT_TRUE(StartTimeDisplay(kTimerDeck));
  DWORD deadline = GetTickCount() + 3000;
  while (gadgetCaption(kTimerProfile.elapsedGadget) == "x" && GetTickCount() < deadline)
    if (pollEvent() == kNoEvent) Sleep(1);
  KillTimer(windowHandle(kMainWindow), 0);
  EXPECT_EQ(gadgetCaption(kTimerProfile.elapsedGadget), "  00:00");
  EXPECT_EQ(timerState.lengthBytes, -1);
}

}  // namespace
