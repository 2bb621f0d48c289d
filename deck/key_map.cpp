#include "deck/key_map.h"

#include <windows.h>

#include "toolkit/keys.h"

namespace {

constexpr int kSeekSeconds = 5;
constexpr int kLongSeekSeconds = 30;

constexpr KeyCommand Click(DeckControl control) { return {KeyAction::Click, control}; }

KeyCommand MediaCommand(int key) {
  switch (key) {
    case VK_MEDIA_PLAY_PAUSE: return {KeyAction::PlayPause};
    case VK_PLAY: return {KeyAction::Play};
    case VK_MEDIA_STOP: return {KeyAction::Stop};
    case VK_MEDIA_NEXT_TRACK: return Click(DeckControl::Next);
    case VK_MEDIA_PREV_TRACK: return Click(DeckControl::Previous);
    case VK_VOLUME_UP: return {KeyAction::VolumeUp};
    case VK_VOLUME_DOWN: return {KeyAction::VolumeDown};
    case VK_VOLUME_MUTE: return {KeyAction::Mute};
    default: return {};
  }
}

// Keys that move within a list box, which it answers itself.
bool ListKey(int key) {
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_PRIOR ||
         key == VK_NEXT || key == VK_HOME || key == VK_END || (key >= '0' && key <= 'Z');
}

KeyCommand DeckKey(int key, bool shift, DeckControl focused) {
  switch (key) {
    case VK_SPACE: return Click(DeckControl::TonearmLift);
    case 'P': return Click(DeckControl::PowerSwitch);
    case VK_RETURN: return Click(focused);
    case VK_LEFT: return {KeyAction::Seek, {}, shift ? -kLongSeekSeconds : -kSeekSeconds};
    case VK_RIGHT: return {KeyAction::Seek, {}, shift ? kLongSeekSeconds : kSeekSeconds};
    case VK_UP: return {KeyAction::VolumeUp};
    case VK_DOWN: return {KeyAction::VolumeDown};
    case VK_PRIOR:
    case VK_OEM_COMMA: return Click(DeckControl::Previous);
    case VK_NEXT:
    case VK_OEM_PERIOD: return Click(DeckControl::Next);
    case VK_F5: return Click(DeckControl::StartStop);
    case VK_TAB: return {shift ? KeyAction::FocusPrevious : KeyAction::FocusNext};
    default: return {};
  }
}

}  // namespace

bool FromMediaKeys(int key) { return MediaCommand(key).action != KeyAction::None; }

KeyCommand CommandForKey(int key, int modifiers, DeckControl focused, bool inList) {
  if (const KeyCommand media = MediaCommand(key); media.action != KeyAction::None) return media;
  const bool shift = modifiers & kShiftHeld;
  if (modifiers & kControlHeld) return key == 'O' ? Click(DeckControl::OpenLink) : KeyCommand{};
  if (inList && key == VK_RETURN) return {KeyAction::PlayEntry};
  if (inList && ListKey(key)) return {};
  return DeckKey(key, shift, focused);
}
