#include "audio/audio.h"
#include "player/control_arithmetic.h"
#include "player/seek_fader.h"
#include "player/start_track.h"
#include "player/volume_slot.h"
#include "profile/pass_input.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

// A pass's input with the cursor at a point of the window and the left
// button's two readings.
PassInput Cursor(int x, int y, bool firstReading = false, bool secondReading = false) {
  PassInput input;
  input.mouseX = x;
  input.mouseY = y;
  input.leftButtonFirst = firstReading;
  input.leftButton = secondReading;
  return input;
}

// A column over the fader's scale and a row through the volume slot.
constexpr int kFaderX = kDeck.seekBar.x + 6;
constexpr int kVolumeRow = kDeck.volumeSlot.y + 5;

// The fader's top row is the end of the track, the hundredth row below it its beginning.
TEST(ControlArithmetic, SeekPositionsOfTheFaderRows) {
  constexpr std::int64_t kMinute = 60LL * 44100 * 4;  // 10584000 bytes
  constexpr std::int64_t kFourHours = 240 * kMinute;  // 2540160000: above 2 GiB
  constexpr std::int64_t kOddLength = 12345;
  struct Case {
    int row;
    std::int64_t length;
    int percent;
    std::int64_t bytes;
  };
  const Case cases[] = {
      {kFaderTop, kMinute, 100, kMinute},
      {kFaderTop, kOddLength, 100, 12300},  // truncated before the multiplication
      {kFaderTop + 50, kOddLength, 50, 6150},
      {kFaderTop + 100, kMinute, 0, 0},
      {kFaderTop + 101, kMinute, -1, -105840},
      {kFaderTop + 119, kMinute, -19, -19 * 105840},
      {kFaderTop, kFourHours, 100, kFourHours},
      {kFaderTop + 1, kFourHours, 99, 99 * 25401600LL},  // 2514758400: beyond 32 bits
      {kFaderTop + 119, kFourHours, -19, -19 * 25401600LL},
  };
  for (const Case& c : cases) {
    const int percent = SeekPercentAt(c.row, kFaderTop);
    EXPECT_EQ(percent, c.percent) << c.row;
    EXPECT_EQ(SeekBytesFor(percent, c.length), c.bytes) << c.row << " of " << c.length;
  }
}

using SeekFader = PlayerTest;

TEST_F(SeekFader, MovesAPlayingStreamAndIgnoresTheLowestRows) {
  TempFolder& folder = NewFolder("deck-seek");
  folder.addFile("tone.wav", WavBytes(10.0));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"tone.wav"});
  setGadgetValue(kList, 0);
  StartTrack(fullDeck);
  state.lengthBytes = BASS_ChannelGetLength(transport.stream, kPositionBytes);
  ASSERT_EQ(state.lengthBytes, 10 * 44100 * 2);

  SeekFromClick(fullDeck, Cursor(kFaderX, kFaderTop + 50));
  EXPECT_GE(BASS_ChannelGetPosition(transport.stream, kPositionBytes), 441000);

  SeekFromClick(fullDeck, Cursor(kFaderX, kFaderTop + 119));  // a negative position
  EXPECT_GE(BASS_ChannelGetPosition(transport.stream, kPositionBytes), 441000);

  SeekFromClick(fullDeck, Cursor(kFaderX, kFaderTop + 100));
  EXPECT_LT(BASS_ChannelGetPosition(transport.stream, kPositionBytes), 441000);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
}

// The top row asks for less than 100 bytes before the end (882000 of 882026
// here): the track ends at once.
TEST_F(SeekFader, TheTopRowEndsTheTrack) {
  TempFolder& folder = NewFolder("deck-seek-top");
  folder.addFile("tone.wav", WavBytes(10.0, 13));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"tone.wav"});
  setGadgetValue(kList, 0);
  StartTrack(fullDeck);
  state.lengthBytes = BASS_ChannelGetLength(transport.stream, kPositionBytes);
  ASSERT_EQ(state.lengthBytes, 882026);
  SeekFromClick(fullDeck, Cursor(kFaderX, kFaderTop));
  EXPECT_TRUE(WaitForActivity(transport.stream, kActiveStopped, 2000));
}

using VolumeSlot = PlayerTest;

// Only the second reading of the button counts: a press released between
// the two readings moves nothing.
TEST_F(VolumeSlot, FollowsTheCursorOnlyWhileTheLeftButtonIsDown) {
  state.volume = 0.7f;
  state.volumeKnobX = 30;
  FollowVolumeSlot(fullDeck, Cursor(kVolumeSlotLeft + 57, kVolumeRow));
  FollowVolumeSlot(fullDeck, Cursor(kVolumeSlotLeft + 57, kVolumeRow, true, false));
  EXPECT_EQ(state.volume, 0.7f);
  EXPECT_EQ(state.volumeKnobX, 30);

  struct Case {
    int x;
    float volume;
    int knob;
  };
  // Not clamped: the slot's edges give -0.12 and 1.04.
  for (const Case c :
       {Case{kVolumeSlotLeft + 1, -0.12f, -4}, Case{kVolumeSlotLeft + 7, 0.0f, 2},
        Case{kVolumeSlotLeft + 57, 1.0f, 52}, Case{kVolumeSlotLeft + 59, 1.04f, 54}}) {
    FollowVolumeSlot(fullDeck, Cursor(c.x, kVolumeRow, false, true));
    EXPECT_FLOAT_EQ(state.volume, c.volume) << c.x;
    EXPECT_EQ(state.volumeKnobX, c.knob) << c.x;
  }
}

}  // namespace
