#include "player/track_steps.h"

#include "audio/audio.h"
#include "player/start_track.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

class TrackSteps : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    folder.addFile("broken.mp3", GarbageBytes());
    folder.addFile("one.wav", WavBytes(3.0));
    folder.addFile("two.wav", WavBytes(3.0));
    setGadgetCaption(kFolderLabel, folder.path());
    FillList({"broken.mp3", "one.wav", "two.wav"});
    state.trackCount = 3;
  }

  void Play(int entry) {
    setGadgetValue(kList, entry);
    StartTrack(fullDeck);
  }

  TempFolder folder{"deck-steps"};
};

// Without an active stream the steps only move the selection; at the ends
// of the list they change nothing.
TEST_F(TrackSteps, StepsWithinTheListOnlyMoveTheSelectionWhileNothingPlays) {
  struct Case {
    int selected;
    int step;
    int selectedAfter;
  };
  const Case cases[] = {
      {0, -1, 0}, {2, +1, 2}, {-1, +1, 0}, {-1, -1, -1}, {1, +1, 2}, {1, -1, 0},
  };
  for (const Case& c : cases) {
    setGadgetValue(kList, c.selected);
    StepTrack(fullDeck, c.step);
    EXPECT_EQ(gadgetValue(kList), c.selectedAfter) << c.selected << " by " << c.step;
    EXPECT_EQ(state.trackIndex, c.selected + c.step);
    EXPECT_EQ(transport.stream, 0u);
    EXPECT_EQ(gadgetValue(kPlayingFlag), 0);
  }
}

TEST_F(TrackSteps, NextStartsTheFollowingEntryWhileAStreamIsActive) {
  Play(1);
  const AudioHandle first = transport.stream;
  ASSERT_EQ(BASS_ChannelIsActive(first), kActivePlaying);
  StepTrack(fullDeck, +1);
  EXPECT_EQ(gadgetValue(kList), 2);
  EXPECT_NE(transport.stream, first);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
  StepTrack(fullDeck, +1);  // the last entry: the same stream plays on
  EXPECT_EQ(gadgetValue(kList), 2);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
}

TEST_F(TrackSteps, AdvanceSkipsAnUnplayableEntry) {
  Play(0);
  ASSERT_EQ(transport.stream, 0u);
  ASSERT_EQ(gadgetValue(kPlayingFlag), 1);
  AdvanceWhenEnded(fullDeck);
  EXPECT_EQ(gadgetValue(kList), 1);
  EXPECT_EQ(state.trackIndex, 1);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
}

TEST_F(TrackSteps, AdvanceWaitsWhileTheStreamPlaysOrTheFlagIsClear) {
  Play(1);
  const AudioHandle playing = transport.stream;
  AdvanceWhenEnded(fullDeck);
  EXPECT_EQ(transport.stream, playing);
  EXPECT_EQ(gadgetValue(kList), 1);

  BASS_StreamFree(playing);
  setGadgetValue(kPlayingFlag, 0);  // what power-off leaves
  AdvanceWhenEnded(fullDeck);
  EXPECT_EQ(transport.stream, playing);
  EXPECT_EQ(gadgetValue(kList), 1);
}

TEST_F(TrackSteps, AdvanceFollowsAnEndedTrackAndStopsAtTheLastEntry) {
  TempFolder& shortFolder = NewFolder("deck-steps-short");
  shortFolder.addFile("a.wav", WavBytes(0.2));
  shortFolder.addFile("b.wav", WavBytes(0.2));
  setGadgetCaption(kFolderLabel, shortFolder.path());
  FillList({"a.wav", "b.wav"});
  state.trackCount = 2;
  Play(0);
  ASSERT_TRUE(WaitForActivity(transport.stream, kActiveStopped, 5000));
  AdvanceWhenEnded(fullDeck);
  EXPECT_EQ(gadgetValue(kList), 1);
  ASSERT_TRUE(WaitForActivity(transport.stream, kActiveStopped, 5000));
  const AudioHandle last = transport.stream;
  AdvanceWhenEnded(fullDeck);
  EXPECT_EQ(gadgetValue(kList), 1);
  EXPECT_EQ(transport.stream, last);
  EXPECT_EQ(state.trackIndex, 2);
  EXPECT_EQ(gadgetValue(kPlayingFlag), 1);
}

}  // namespace
