#pragma once
// What each key does on the deck. Each key stands for a control's click or
// for a step of a control that a click cannot make exactly (five seconds
// of the fader, five hundredths of the volume slot).
#include "profile/deck_control.h"

enum class KeyAction {
  None,
  Click,      // the control's click
  PlayEntry,  // the selected entry plays, as a double-click on it starts it
  Seek,       // by `seconds` within the track
  VolumeUp,
  VolumeDown,
  Mute,       // silence, or the level before the silence again
  PlayPause,  // the tonearm lift, or the selected entry when nothing plays
  Play,       // resumes or starts, never pauses
  Stop,       // pauses, never resumes
  FocusNext,
  FocusPrevious,
};

struct KeyCommand {
  KeyAction action = KeyAction::None;
  DeckControl control = DeckControl::None;
  int seconds = 0;
};

// Keys that may come while another program is in front: the media keys
// (hot keys) and the commands they stand for.
bool FromMediaKeys(int key);

// The key's command, where `focused` has the focus; `inList` when the key
// was typed in the track list, which keeps its own moving keys (arrows,
// pages, letters) and plays its entry on Enter.
KeyCommand CommandForKey(int key, int modifiers, DeckControl focused, bool inList);
