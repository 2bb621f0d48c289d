#include "player/start_track.h"

#include "audio/audio.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

using StartTrackTest = PlayerTest;

// Paths that cannot be opened: no stream, yet the playing flag is set so the
// main loop's next pass skips the entry.
TEST_F(StartTrackTest, UnopenablePathsSetThePlayingFlagWithoutAStream) {
  TempFolder& folder = NewFolder("deck-start-fail");
  folder.addFile("broken.mp3", GarbageBytes());
  folder.addFolder("old.mp3");
  struct Case {
    const char* label;
    std::string folderText;
    std::vector<std::string> entries;
    int selected;
  };
  const Case cases[] = {
      {"the initial folder text", "Путь", {"a.mp3"}, 0},
      {"the initial folder text, nothing selected", "Путь", {"a.mp3"}, -1},
      {"a folder and no selection", folder.path(), {"broken.mp3"}, -1},
      {"an undecodable file", folder.path(), {"broken.mp3"}, 0},
      {"a folder named like a track", folder.path(), {"old.mp3"}, 0},
  };
  for (const Case& c : cases) {
    setGadgetCaption(kFolderLabel, c.folderText);
    FillList(c.entries);
    setGadgetValue(kList, c.selected);
    setGadgetValue(kPlayingFlag, 0);
    transport.stream = 12345;
    state.spinStep = 0.03f;
    StartTrack(fullDeck);
    EXPECT_EQ(transport.stream, 0u) << c.label;
    EXPECT_EQ(gadgetValue(kPlayingFlag), 1) << c.label;
    EXPECT_EQ(state.spinStep, kPlaySpeed) << c.label;
    EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActiveStopped) << c.label;
  }
}

// Windows-1251 names reach the audio library as the ANSI path they are.
TEST_F(StartTrackTest, PlaysTheSelectedEntryOfTheFolder) {
  TempFolder& folder = NewFolder("deck-Музыка");
  folder.addFile("Вальс.wav", WavBytes(3.0));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"other.wav", "Вальс.wav"});
  setGadgetValue(kList, 1);
  state.volume = 0.25f;

  StartTrack(miniDeck);

  EXPECT_NE(transport.stream, 0u);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
  EXPECT_EQ(gadgetValue(kPlayingFlag), 1);
  EXPECT_EQ(state.spinStep, 0.45f);
  EXPECT_EQ(BASS_ChannelGetLength(transport.stream, kPositionBytes), 3 * 44100 * 2);
}

TEST_F(StartTrackTest, StartingAgainRestartsWithANewStreamAndFreesTheOld) {
  TempFolder& folder = NewFolder("deck-start-again");
  folder.addFile("tone.wav", WavBytes(3.0));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"tone.wav"});
  setGadgetValue(kList, 0);
  StartTrack(fullDeck);
  const AudioHandle first = transport.stream;
  StartTrack(fullDeck);
  EXPECT_NE(transport.stream, first);
  EXPECT_EQ(BASS_ChannelIsActive(first), kActiveStopped);
  EXPECT_EQ(BASS_ChannelIsActive(transport.stream), kActivePlaying);
  EXPECT_LT(BASS_ChannelGetPosition(transport.stream, kPositionBytes), 44100);
}

// An empty folder text and no selection: nothing to open, but the stream
// that played is freed and the record spins at play speed.
TEST_F(StartTrackTest, EmptyPathFreesTheStreamAndMakesNoOther) {
  TempFolder& folder = NewFolder("deck-start-empty");
  folder.addFile("tone.wav", WavBytes(3.0));
  setGadgetCaption(kFolderLabel, folder.path());
  FillList({"tone.wav"});
  setGadgetValue(kList, 0);
  StartTrack(fullDeck);
  const AudioHandle playing = transport.stream;
  ASSERT_EQ(BASS_ChannelIsActive(playing), kActivePlaying);
  setGadgetValue(kPlayingFlag, 0);
  setGadgetCaption(kFolderLabel, "");
  setGadgetValue(kList, -1);
  state.spinStep = 0.0f;

  StartTrack(fullDeck);

  EXPECT_EQ(transport.stream, playing);
  EXPECT_EQ(BASS_ChannelIsActive(playing), kActiveStopped);
  EXPECT_EQ(gadgetValue(kPlayingFlag), 0);
  EXPECT_EQ(state.spinStep, kPlaySpeed);
}

}  // namespace
