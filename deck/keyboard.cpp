#include "deck/keyboard.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "audio/audio.h"
#include "deck/key_map.h"
#include "deck/pass.h"
#include "player/folder_scan.h"
#include "player/open_file.h"
#include "player/seek_fader.h"
#include "player/start_track.h"
#include "player/volume_slot.h"
#include "toolkit/toolkit.h"

namespace {

bool Visible(const Deck& deck, DeckControl control) {
  return !InPanel(control) || deck.state.panelOpen == 1;
}

// Tab's next control that shows, round the order; from no focus, the first
// (or with Shift+Tab the last).
DeckControl NextFocus(const Deck& deck, DeckControl from, int step) {
  const int count = static_cast<int>(std::size(kFocusOrder));
  const auto* at = std::find(std::begin(kFocusOrder), std::end(kFocusOrder), from);
  int index = at == std::end(kFocusOrder) ? (step > 0 ? -1 : count) : at - kFocusOrder;
  for (int tries = 0; tries < count; ++tries) {
    index = (index + step + count) % count;
    if (Visible(deck, kFocusOrder[index])) return kFocusOrder[index];
  }
  return DeckControl::None;
}

// The frame follows the focus.
void ShowFocus(const Deck& deck, KeyboardState& keys) {
  if (!Visible(deck, keys.focused)) keys.focused = DeckControl::None;
  if (keys.focused == keys.framed) return;
  keys.framed = keys.focused;
  if (keys.focused == DeckControl::None) {
    hideFocusFrame(kMainWindow);
    return;
  }
  const HitRect place = PlaceOf(keys.focused);
  showFocusFrame(kMainWindow, place.left, place.top, place.right - place.left + 1,
                 place.bottom - place.top + 1);
}

// After a key, the system's keyboard focus goes where the deck's is: to the
// list when it has the deck's focus, so its own keys reach it, and otherwise
// to the window, so the next key is the deck's (the toolkit's Tab moves the
// system's focus among the gadgets that take it, the hidden playing flag's
// check box among them).
void FocusKeyboard(const Deck& deck, const KeyboardState& keys) {
  if (keys.focused == DeckControl::TrackList) {
    focusGadget(deck.profile.listGadget);
  } else {
    focusWindow(kMainWindow);
  }
}

bool EntrySelected(const Deck& deck) { return gadgetValue(deck.profile.listGadget) >= 0; }

// Silence, remembering the level; pressed again (while still silent), the
// level back.
void ToggleMute(const Deck& deck, KeyboardState& keys) {
  if (deck.state.volume <= 0.0f && keys.volumeBeforeMute > 0.0f) {
    SetVolume(deck, keys.volumeBeforeMute);
    keys.volumeBeforeMute = 0.0f;
  } else if (deck.state.volume > 0.0f) {
    keys.volumeBeforeMute = deck.state.volume;
    SetVolume(deck, 0.0f);
  }
}

// With nothing heard yet, the media keys' play starts the selected entry as
// a double-click on it would; otherwise play and stop act as the tonearm
// lift, each only one way.
void PlayOrPause(const Deck& deck, const DeckLooks& looks, KeyAction action) {
  if (!StreamActive(deck)) {
    if (action != KeyAction::Stop && EntrySelected(deck)) StartTrack(deck);
    return;
  }
  const bool paused = deck.transport.activity() == kActivePaused;
  if (action == KeyAction::PlayPause || (action == KeyAction::Play && paused) ||
      (action == KeyAction::Stop && !paused))
    TogglePause(deck, looks);
}

void Carry(const Deck& deck, const DeckLooks& looks, KeyboardState& keys, const KeyCommand& command,
           bool powered) {
  switch (command.action) {
    case KeyAction::Click: ClickControl(deck, looks, command.control, powered); return;
    case KeyAction::Seek: SeekBy(deck, command.seconds); return;
    case KeyAction::FocusNext: keys.focused = NextFocus(deck, keys.focused, +1); return;
    case KeyAction::FocusPrevious: keys.focused = NextFocus(deck, keys.focused, -1); return;
    default: break;
  }
  if (!powered) return;
  switch (command.action) {
    case KeyAction::PlayEntry: ClickControl(deck, looks, DeckControl::TrackList, powered); break;
    case KeyAction::VolumeUp: StepVolume(deck, +1); break;
    case KeyAction::VolumeDown: StepVolume(deck, -1); break;
    case KeyAction::Mute: ToggleMute(deck, keys); break;
    case KeyAction::PlayPause:
    case KeyAction::Play:
    case KeyAction::Stop: PlayOrPause(deck, looks, command.action); break;
    default: break;
  }
}

// The file's own attributes say it is a file (not a folder named like a
// track) and that it is there at all.
bool IsTrackFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         IsTrackName(path);
}

}  // namespace

void ReactToKeys(const Deck& deck, const DeckLooks& looks, KeyboardState& keys,
                 const PassInput& input, bool powered) {
  if (input.click != DeckControl::None) ClickControl(deck, looks, input.click, powered);
  if (!input.handedFile.empty()) OpenHandedFile(deck, looks, input.handedFile, powered);
  if (input.key) {
    const bool inList = input.keyGadget == deck.profile.listGadget;
    if (inList) keys.focused = DeckControl::TrackList;  // the pointer may have put it there
    Carry(deck, looks, keys, CommandForKey(input.key, input.keyModifiers, keys.focused, inList),
          powered);
  }
  ShowFocus(deck, keys);
  // Moving the system's focus would bring the window to the front; a media
  // key may come while another program is there.
  if (input.key && !FromMediaKeys(input.key)) FocusKeyboard(deck, keys);
}

void OpenHandedFile(const Deck& deck, const DeckLooks& looks, const std::string& path,
                    bool powered) {
  if (!IsTrackFile(path)) return;
  if (!powered) ClickControl(deck, looks, DeckControl::PowerSwitch, false);
  OpenPath(deck, path);
}
