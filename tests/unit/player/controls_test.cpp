#include <windows.h>

#include "audio/audio.h"
#include "player/control_arithmetic.h"
#include "player/seek_fader.h"
#include "player/start_track.h"
#include "player/volume_slot.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/events.h"
#include "toolkit/gadgets.h"
#include "toolkit/window.h"

namespace {

// A column over the fader's scale and a row through the volume slot.
constexpr int kFaderX = kDeck.seekBar.x + 6;
constexpr int kVolumeRow = kDeck.volumeSlot.y + 5;

// Puts the cursor at a client point of window 0 and waits until the toolkit
// reads it there (SetCursorPos reaches the X server asynchronously).
bool PlaceCursor(int x, int y) {
  POINT point{x, y};
  ClientToScreen(windowHandle(kMainWindow), &point);
  const DWORD deadline = GetTickCount() + 2000;
  SetCursorPos(point.x, point.y);
  while (cursorX(kMainWindow) != x || cursorY(kMainWindow) != y) {
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(5);
  }
  return true;
}

void SendLeftButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  SendInput(1, &input, sizeof(input));
}

bool WaitForLeftButton(bool down) {
  const DWORD deadline = GetTickCount() + 2000;
  while (((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0) != down) {
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(5);
  }
  return true;
}

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
  StartTrack(state, full);
  state.lengthBytes = BASS_ChannelGetLength(state.stream, kPositionBytes);
  ASSERT_EQ(state.lengthBytes, 10 * 44100 * 2);

  ASSERT_TRUE(PlaceCursor(kFaderX, kFaderTop + 50));
  SeekFromClick(state, full);
  EXPECT_EQ(state.seekBytes, 441000);
  EXPECT_GE(BASS_ChannelGetPosition(state.stream, kPositionBytes), 441000);

  ASSERT_TRUE(PlaceCursor(kFaderX, kFaderTop + 119));
  SeekFromClick(state, full);
  EXPECT_LT(state.seekBytes, 0);
  EXPECT_GE(BASS_ChannelGetPosition(state.stream, kPositionBytes), 441000);

  ASSERT_TRUE(PlaceCursor(kFaderX, kFaderTop + 100));
  SeekFromClick(state, full);
  EXPECT_EQ(state.seekBytes, 0);
  EXPECT_LT(BASS_ChannelGetPosition(state.stream, kPositionBytes), 441000);
  EXPECT_EQ(BASS_ChannelIsActive(state.stream), kActivePlaying);
}

// The top row asks for less than 100 bytes before the end: the track ends at
// once. 441013 frames make 882026 bytes, which the truncation cuts to 882000.
TEST_F(SeekFader, TheTopRowEndsTheTrack) {
  TempFolder& folder = NewFolder("deck-seek-top");
  folder.addFile("tone.wav", WavBytes(10.0, 13));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"tone.wav"});
  setGadgetValue(kList, 0);
  StartTrack(state, full);
  state.lengthBytes = BASS_ChannelGetLength(state.stream, kPositionBytes);
  ASSERT_TRUE(PlaceCursor(kFaderX, kFaderTop));
  SeekFromClick(state, full);
  ASSERT_EQ(state.lengthBytes, 882026);
  EXPECT_EQ(state.seekBytes, 882000);
  EXPECT_TRUE(WaitForActivity(state.stream, kActiveStopped, 2000));
}

using VolumeSlot = PlayerTest;

TEST_F(VolumeSlot, FollowsTheCursorOnlyWhileTheLeftButtonIsDown) {
  state.volume = 0.7f;
  state.volumeKnobX = 30;
  ASSERT_TRUE(PlaceCursor(kVolumeSlotLeft + 57, kVolumeRow));
  ASSERT_TRUE(WaitForLeftButton(false));
  FollowVolumeSlot(state, full);
  EXPECT_EQ(state.volume, 0.7f);
  EXPECT_EQ(state.volumeKnobX, 30);

  SendLeftButton(MOUSEEVENTF_LEFTDOWN);
  const bool pressed = WaitForLeftButton(true);
  struct Case {
    int x;
    float volume;
    int knob;
  };
  // Not clamped: the slot's edges give -0.12 and 1.04.
  for (const Case c :
       {Case{kVolumeSlotLeft + 1, -0.12f, -4}, Case{kVolumeSlotLeft + 7, 0.0f, 2},
        Case{kVolumeSlotLeft + 57, 1.0f, 52}, Case{kVolumeSlotLeft + 59, 1.04f, 54}}) {
    ASSERT_TRUE(PlaceCursor(c.x, kVolumeRow));
    FollowVolumeSlot(state, full);
    EXPECT_EQ(state.mouseX, c.x);
    EXPECT_FLOAT_EQ(state.volume, c.volume) << c.x;
    EXPECT_EQ(state.volumeKnobX, c.knob) << c.x;
  }
  SendLeftButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(WaitForLeftButton(false));
}

}  // namespace
