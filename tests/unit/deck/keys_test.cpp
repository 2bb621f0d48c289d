// Keys on the deck: each acts as the control it stands for, on plain input
// values and a fake transport.
#include "toolkit/keys.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck/key_map.h"
#include "deck/keyboard.h"
#include "profile/deck_layout.h"
#include "tests/unit/deck/fake_transport.h"
#include "tests/unit/player/player_fixture.h"
#include "toolkit/gadgets.h"

namespace {

using Calls = std::vector<std::string>;

void ShowNothing() {}
void ShowNoButton(bool) {}
constexpr DeckLooks kLooks{ShowNothing, ShowNoButton, nullptr};

PassInput Key(int key, int modifiers = 0) {
  PassInput input;
  input.key = key;
  input.keyModifiers = modifiers;
  return input;
}

PassInput ClickOn(const HitRect& rect) {
  PassInput input;
  input.mouseX = (rect.left + rect.right) / 2;
  input.mouseY = (rect.top + rect.bottom) / 2;
  input.eventKind = kLeftClick;
  return input;
}

TEST(KeyMap, EachKeyStandsForItsControlOrStep) {
  using enum KeyAction;
  const DeckControl none = DeckControl::None, lift = DeckControl::TonearmLift;
  const struct {
    int key, modifiers;
    DeckControl focused;
    bool inList;
    KeyAction action;
    DeckControl control;
    int seconds;
  } cases[] = {
      {VK_SPACE, 0, none, false, Click, lift, 0},
      {'P', 0, none, false, Click, DeckControl::PowerSwitch, 0},
      {VK_RETURN, 0, DeckControl::Next, false, Click, DeckControl::Next, 0},
      {VK_LEFT, 0, none, false, Seek, none, -5},
      {VK_RIGHT, kShiftHeld, none, false, Seek, none, 30},
      {VK_UP, 0, none, false, VolumeUp, none, 0},
      {VK_DOWN, 0, none, false, VolumeDown, none, 0},
      {VK_PRIOR, 0, none, false, Click, DeckControl::Previous, 0},
      {VK_OEM_PERIOD, 0, none, false, Click, DeckControl::Next, 0},
      {'O', kControlHeld, none, false, Click, DeckControl::OpenLink, 0},
      {'O', 0, none, false, None, none, 0},
      {VK_F5, 0, none, false, Click, DeckControl::StartStop, 0},
      {VK_TAB, kShiftHeld, none, false, FocusPrevious, none, 0},
      {VK_MEDIA_PLAY_PAUSE, 0, none, false, PlayPause, none, 0},
      {VK_MEDIA_STOP, 0, none, true, Stop, none, 0},
      {VK_MEDIA_NEXT_TRACK, 0, none, false, Click, DeckControl::Next, 0},
      {VK_VOLUME_MUTE, 0, none, false, Mute, none, 0},
      // The list keeps its own moving keys and plays its entry on Enter.
      {VK_DOWN, 0, DeckControl::TrackList, true, None, none, 0},
      {VK_NEXT, 0, DeckControl::TrackList, true, None, none, 0},
      {'P', 0, DeckControl::TrackList, true, None, none, 0},
      {VK_RETURN, 0, DeckControl::TrackList, true, PlayEntry, none, 0},
      {VK_SPACE, 0, DeckControl::TrackList, true, Click, lift, 0},
  };
  for (const auto& c : cases) {
    const KeyCommand command = CommandForKey(c.key, c.modifiers, c.focused, c.inList);
    EXPECT_EQ(command.action, c.action) << c.key;
    EXPECT_EQ(command.control, c.control) << c.key;
    EXPECT_EQ(command.seconds, c.seconds) << c.key;
  }
}

class DeckKeys : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    setGadgetCaption(kFolderLabel, "C:\\music\\");
    FillList({"one.wav", "two.wav", "three.wav"});
    state.trackCount = 3;
    state.volume = 0.5f;
    setGadgetValue(kList, 1);
    fake.active = kActivePlaying;
    deck.state.powerOn = 1;
  }

  // What a step leaves: the model's fields the controls change, the list,
  // the playing flag and what the stream was asked.
  std::string Snapshot() {
    return std::to_string(state.powerOn) + " " + std::to_string(state.paused) + " " +
           std::to_string(state.spinStep) + " " + std::to_string(gadgetValue(kList)) + " " +
           std::to_string(gadgetValue(kPlayingFlag)) + " " + std::to_string(state.trackIndex);
  }

  FakeTransport fake;
  const Deck deck{state, fake, full};
  KeyboardState keys;
};

// The same state, the same list and the same calls to the stream, whether
// the pointer clicks the control or its key is pressed.
TEST_F(DeckKeys, EachKeyLeavesTheStateOfItsClick) {
  const struct {
    int key;
    HitRect rect;
  } cases[] = {
      {VK_SPACE, kDeckRects.tonearmLift},
      {VK_OEM_COMMA, kDeckRects.previous},
      {VK_NEXT, kDeckRects.next},
      {'P', kDeckRects.powerSwitch},
  };
  for (const auto& c : cases) {
    const DeckState before = state;
    HandlePowerSwitch(deck, kLooks, ClickOn(c.rect));
    HandleDeckControls(deck, kLooks, ClickOn(c.rect));
    const std::string clicked = Snapshot();
    const Calls clickCalls = fake.calls;
    state = before;
    setGadgetValue(kList, 1);
    setGadgetValue(kPlayingFlag, 0);
    fake.calls.clear();
    ReactToKeys(deck, kLooks, keys, Key(c.key), true);
    EXPECT_EQ(Snapshot(), clicked) << c.key;
    EXPECT_EQ(fake.calls, clickCalls) << c.key;
    state = before;
    setGadgetValue(kList, 1);
    setGadgetValue(kPlayingFlag, 0);
    fake.calls.clear();
  }
}

// While the power is off the keys of the controls that answer only then do nothing.
TEST_F(DeckKeys, PoweredControlsKeysRestWhileThePowerIsOff) {
  state.powerOn = 0;
  for (int key : {VK_SPACE, VK_OEM_PERIOD, VK_UP, VK_MEDIA_PLAY_PAUSE})
    ReactToKeys(deck, kLooks, keys, Key(key), false);
  EXPECT_EQ(state.paused, 0);
  EXPECT_EQ(gadgetValue(kList), 1);
  EXPECT_EQ(state.volume, 0.5f);
  EXPECT_TRUE(fake.calls.empty());
}

// Five hundredths a step, held at what the slot gives at its ends, and the
// knob where the slot would put it; mute gives back the level it took.
TEST_F(DeckKeys, VolumeKeysStepWithinTheSlotAndMuteRemembers) {
  const struct {
    int key, presses;
    float volume;
    int knob;
  } cases[] = {
      {VK_UP, 1, 0.55f, 30},     {VK_UP, 20, 1.04f, 54}, {VK_DOWN, 1, 0.99f, 52},
      {VK_DOWN, 40, -0.12f, -4}, {VK_UP, 3, 0.03f, 4},
  };
  for (const auto& c : cases) {
    for (int press = 0; press < c.presses; ++press)
      ReactToKeys(deck, kLooks, keys, Key(c.key), true);
    EXPECT_FLOAT_EQ(state.volume, c.volume) << c.key << " x" << c.presses;
    EXPECT_EQ(state.volumeKnobX, c.knob) << c.key << " x" << c.presses;
  }
  state.volume = 0.7f;
  ReactToKeys(deck, kLooks, keys, Key(VK_VOLUME_MUTE), true);
  EXPECT_EQ(state.volume, 0.0f);
  ReactToKeys(deck, kLooks, keys, Key(VK_VOLUME_MUTE), true);
  EXPECT_FLOAT_EQ(state.volume, 0.7f);
  EXPECT_EQ(fake.calls.back(), "volume 0.700000");
}

// Five seconds a press (thirty with Shift), held within the track.
TEST_F(DeckKeys, SeekKeysStopAtTheTracksEnds) {
  fake.length = 60 * FakeTransport::kBytesPerSecond;
  const struct {
    double at;
    int key, modifiers;
    std::int64_t to;
  } cases[] = {
      {10, VK_RIGHT, 0, 15 * FakeTransport::kBytesPerSecond},
      {10, VK_LEFT, kShiftHeld, 0},
      {3, VK_LEFT, 0, 0},
      {58, VK_RIGHT, 0, fake.length - 1},
      {20, VK_RIGHT, kShiftHeld, 50 * FakeTransport::kBytesPerSecond},
  };
  for (const auto& c : cases) {
    fake.position = static_cast<std::int64_t>(c.at * FakeTransport::kBytesPerSecond);
    fake.calls.clear();
    ReactToKeys(deck, kLooks, keys, Key(c.key, c.modifiers), true);
    EXPECT_EQ(fake.calls, (Calls{"position " + std::to_string(c.to)})) << c.at << " " << c.key;
  }
}

}  // namespace
