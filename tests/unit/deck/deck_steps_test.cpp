// The deck's steps on plain input values and a fake transport: what each
// does to the model, the gadgets and the stream, with no real cursor, no
// synthesised input and no sleeping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck/controls.h"
#include "deck/pass.h"
#include "player/seek_fader.h"
#include "player/track_steps.h"
#include "profile/deck_layout.h"
#include "tests/unit/deck/fake_transport.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

using Calls = std::vector<std::string>;

// What the looks were asked to show, in order.
std::vector<std::string> shown;
void ShowPower() { shown.push_back("power"); }
void ShowStartButton(bool lit) { shown.push_back(lit ? "lit" : "unlit"); }
constexpr DeckLooks kLooks{ShowPower, ShowStartButton, nullptr};

PassInput Over(const HitRect& rect, int kind = kNoGadgetEvent) {
  PassInput input;
  input.mouseX = (rect.left + rect.right) / 2;
  input.mouseY = (rect.top + rect.bottom) / 2;
  input.eventKind = kind;
  return input;
}

class DeckSteps : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    shown.clear();
    state.powerOn = 1;
    state.volume = 0.5f;
    setGadgetCaption(kFolderLabel, "C:\\music\\");
    FillList({"one.wav", "two.wav", "three.wav"});
    state.trackCount = 3;
  }

  FakeTransport fake;
  const Deck deck{state, fake, full};
};

// The lit button follows the pointer on every pass, on it or off it.
TEST_F(DeckSteps, HoverLightsAndUnlightsTheStartButton) {
  HandleDeckControls(deck, kLooks, Over(kDeckRects.startStop));
  HandleDeckControls(deck, kLooks, Over(kDeckRects.next));
  HandleDeckControls(deck, kLooks, PassInput{});  // the pointer outside the window
  EXPECT_EQ(shown, (std::vector<std::string>{"lit", "unlit", "unlit"}));
  EXPECT_EQ(state.panelOpen, 0);
  EXPECT_TRUE(fake.calls.empty());
}

// The slot follows only a button held at the second reading; the volume
// reaches the stream.
TEST_F(DeckSteps, TheVolumeSlotReadsTheButtonsSecondAnswer) {
  PassInput input = Over(kDeckRects.volumeSlot);
  input.mouseX = kDeck.volumeSlot.x + 57;  // full volume
  input.leftButtonFirst = true;            // pressed and let go between the readings
  HandleDeckControls(deck, kLooks, input);
  EXPECT_EQ(state.volume, 0.5f);
  EXPECT_TRUE(fake.calls.empty());
  input.leftButton = true;
  HandleDeckControls(deck, kLooks, input);
  EXPECT_FLOAT_EQ(state.volume, 1.0f);
  EXPECT_EQ(fake.calls, (Calls{"volume 1.000000"}));
}

// When the stream has stopped with the playing flag set, the entry after
// the selected one starts; at the end of the list nothing does.
TEST_F(DeckSteps, TheAutomaticAdvanceStartsTheNextEntry) {
  setGadgetValue(kPlayingFlag, 1);
  setGadgetValue(kList, 0);
  fake.active = kActivePlaying;
  AdvanceWhenEnded(deck);
  EXPECT_TRUE(fake.calls.empty());

  fake.active = kActiveStopped;
  EXPECT_FALSE(AdvanceWhenEnded(deck));  // started, not followed on
  EXPECT_EQ(gadgetValue(kList), 1);
  EXPECT_EQ(state.trackIndex, 1);
  EXPECT_EQ(state.spinStep, kPlaySpeed);
  EXPECT_EQ(fake.calls, (Calls{"free", "create C:\\music\\two.wav", "volume 0.500000", "play"}));

  fake.calls.clear();
  setGadgetValue(kList, 2);
  AdvanceWhenEnded(deck);
  EXPECT_EQ(gadgetValue(kList), 2);
  EXPECT_TRUE(fake.calls.empty());
}

// The lift pauses and resumes only a stream that is active; the "Пауза" link
// toggles whatever the stream does.
TEST_F(DeckSteps, TheTonearmLiftActsOnAnActiveStreamOnly) {
  HandleDeckControls(deck, kLooks, Over(kDeckRects.tonearmLift, kLeftClick));
  EXPECT_EQ(state.paused, 0);
  fake.active = kActivePlaying;
  HandleDeckControls(deck, kLooks, Over(kDeckRects.tonearmLift, kLeftClick));
  EXPECT_EQ(state.paused, 1);
  EXPECT_EQ(state.spinStep, full.pausedSpeed);
  fake.active = kActiveStopped;
  PassInput link;
  link.event = kGadgetEvent;
  link.sourceGadget = full.pauseLink;
  link.eventKind = kRightClick;  // any type of event
  ReactToEvent(deck, kLooks, link);
  EXPECT_EQ(state.paused, 0);
  EXPECT_EQ(state.spinStep, full.resumedSpeed);
  EXPECT_EQ(fake.calls, (Calls{"pause", "play"}));
}

// Only a left click over the switch counts; switching off frees the stream,
// stops the record and clears the playing flag.
TEST_F(DeckSteps, ThePowerSwitchTogglesOnALeftClick) {
  setGadgetValue(kPlayingFlag, 1);
  state.spinStep = kPlaySpeed;
  HandlePowerSwitch(deck, kLooks, Over(kDeckRects.powerSwitch));
  HandlePowerSwitch(deck, kLooks, Over(kDeckRects.powerSwitch, kRightClick));
  EXPECT_EQ(state.powerOn, 1);
  HandlePowerSwitch(deck, kLooks, Over(kDeckRects.powerSwitch, kLeftClick));
  EXPECT_EQ(state.powerOn, 0);
  EXPECT_EQ(state.spinStep, 0.0f);
  EXPECT_EQ(gadgetValue(kPlayingFlag), 0);
  EXPECT_EQ(fake.calls, (Calls{"free"}));
  EXPECT_EQ(shown, (std::vector<std::string>{"power"}));
}

// A click on the fader's row seeks to its share of the length; a click
// elsewhere, or of another type, does not.
TEST_F(DeckSteps, AClickOnTheFaderSeeks) {
  state.lengthBytes = 1000;
  PassInput click = Over(kDeckRects.fader, kLeftClick);
  click.event = kGadgetEvent;
  click.sourceGadget = full.seekGadget;
  click.mouseY = kDeck.seekBar.y + 25;  // three quarters
  ReactToEvent(deck, kLooks, click);
  click.eventKind = kLeftDoubleClick;
  ReactToEvent(deck, kLooks, click);
  EXPECT_EQ(fake.calls, (Calls{"position 750"}));
}

class GaplessQueue : public DeckSteps {
 protected:
  void SetUp() override {
    DeckSteps::SetUp();
    setGadgetValue(kPlayingFlag, 1);
    setGadgetValue(kList, 0);
    fake.active = kActivePlaying;
  }
};

// The entry after the selected one is opened once, and stays queued while
// nothing changes what comes next.
TEST_F(GaplessQueue, TheNextEntryIsQueuedOnceWhileATrackPlays) {
  QueueFollowingEntry(deck);
  QueueFollowingEntry(deck);
  EXPECT_EQ(fake.calls, (Calls{"queue C:\\music\\two.wav"}));
  fake.calls.clear();
  fake.active = kActivePaused;
  QueueFollowingEntry(deck);
  SeekFromClick(deck, Over(kDeckRects.fader));  // seeking keeps what follows
  QueueFollowingEntry(deck);
  EXPECT_EQ(fake.queued, "C:\\music\\two.wav");
  setGadgetValue(kList, 2);  // the last entry: nothing follows it
  QueueFollowingEntry(deck);
  EXPECT_EQ(fake.calls.back(), "drop");
  EXPECT_TRUE(fake.queued.empty());
}

// A file that cannot be opened is passed over for the one after it.
TEST_F(GaplessQueue, AnEntryThatCannotBeOpenedIsPassedOver) {
  fake.unplayable.insert("C:\\music\\two.wav");
  QueueFollowingEntry(deck);
  EXPECT_EQ(fake.calls, (Calls{"queue C:\\music\\two.wav", "queue C:\\music\\three.wav"}));
  EXPECT_EQ(fake.queued, "C:\\music\\three.wav");
}

// Whatever starts another track frees what was queued with the stream, and
// the entry after the new one is queued on the next pass; nothing is queued
// while nothing plays.
TEST_F(GaplessQueue, StartingAnotherTrackOrPowerOffDropsTheQueue) {
  QueueFollowingEntry(deck);
  StepTrack(deck, +1);  // next, as the second speed button
  EXPECT_TRUE(fake.queued.empty());
  QueueFollowingEntry(deck);
  EXPECT_EQ(fake.queued, "C:\\music\\three.wav");
  PassInput doubleClick;
  doubleClick.event = kLeftDoubleClickMessage;
  doubleClick.sourceGadget = kList;
  setGadgetValue(kList, 0);
  ReactToEvent(deck, kLooks, doubleClick);
  EXPECT_TRUE(fake.queued.empty());
  QueueFollowingEntry(deck);
  HandlePowerSwitch(deck, kLooks, Over(kDeckRects.powerSwitch, kLeftClick));
  EXPECT_TRUE(fake.queued.empty());
  fake.active = kActiveStopped;
  fake.calls.clear();
  QueueFollowingEntry(deck);
  EXPECT_TRUE(fake.calls.empty());
}

// When the queued stream has taken over, the list moves on to its entry as
// the automatic advance would move it, and nothing is opened or started.
TEST_F(GaplessQueue, TheEntryThatTookOverBecomesThePlayingOne) {
  fake.unplayable.insert("C:\\music\\two.wav");
  QueueFollowingEntry(deck);
  fake.calls.clear();
  state.spinStep = full.pausedSpeed;
  fake.active = kActiveStopped;
  fake.followed = true;
  EXPECT_TRUE(AdvanceWhenEnded(deck));
  EXPECT_EQ(fake.calls, (Calls{"adopt", "volume 0.500000"}));
  EXPECT_EQ(gadgetValue(kList), 2);
  EXPECT_EQ(state.trackIndex, 2);
  EXPECT_EQ(gadgetValue(kPlayingFlag), 1);
  EXPECT_EQ(state.spinStep, kPlaySpeed);
}

}  // namespace
