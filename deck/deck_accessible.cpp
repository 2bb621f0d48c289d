#include "deck/deck_accessible.h"

#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "display/time_text.h"
#include "toolkit/toolkit.h"

namespace {

struct Spoken {
  DeckControl control;
  const char* name;
  long role;
};

// In Tab's order.
constexpr Spoken kSpoken[] = {
    {DeckControl::PowerSwitch, "Питание", ROLE_SYSTEM_PUSHBUTTON},
    {DeckControl::StartStop, "Старт/стоп: список треков", ROLE_SYSTEM_PUSHBUTTON},
    {DeckControl::Previous, "Предыдущий трек", ROLE_SYSTEM_PUSHBUTTON},
    {DeckControl::Next, "Следующий трек", ROLE_SYSTEM_PUSHBUTTON},
    {DeckControl::TonearmLift, "Тонарм: пауза", ROLE_SYSTEM_PUSHBUTTON},
    {DeckControl::VolumeSlot, "Громкость", ROLE_SYSTEM_SLIDER},
    {DeckControl::Fader, "Позиция в треке", ROLE_SYSTEM_SLIDER},
    {DeckControl::OpenLink, "Открыть", ROLE_SYSTEM_LINK},
    {DeckControl::PauseLink, "Пауза", ROLE_SYSTEM_LINK},
    {DeckControl::TrackList, "Треки", ROLE_SYSTEM_LIST},
};
static_assert(std::size(kSpoken) == std::size(kFocusOrder));

int IndexOf(DeckControl control) {
  const auto* found = std::find_if(std::begin(kSpoken), std::end(kSpoken),
                                   [control](const Spoken& s) { return s.control == control; });
  return found == std::end(kSpoken) ? -1 : static_cast<int>(found - kSpoken);
}

constexpr auto kPositionEvery = std::chrono::seconds(1);

bool AnswersOnlyPowered(DeckControl control) { return control != DeckControl::PowerSwitch; }

// The switch, the lift and the start/stop button keep a state of their own:
// on, paused, the panel out.
long ToggleState(const DeckState& state, DeckControl control) {
  switch (control) {
    case DeckControl::PowerSwitch: return state.powerOn ? STATE_SYSTEM_PRESSED : 0;
    case DeckControl::TonearmLift: return state.paused ? STATE_SYSTEM_PRESSED : 0;
    case DeckControl::StartStop:
      return state.panelOpen ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    default: return 0;
  }
}

long StateOf(const Deck& deck, DeckControl control) {
  long state = STATE_SYSTEM_FOCUSABLE | ToggleState(deck.state, control);
  if (InPanel(control) && deck.state.panelOpen != 1)
    state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
  if (AnswersOnlyPowered(control) && !PowerIsOn(deck)) state |= STATE_SYSTEM_UNAVAILABLE;
  return state;
}

// The volume heard, in per cent: the slot's edges give a little below
// silence and above full, which the audio library holds at its bounds.
std::string VolumeText(float volume) {
  const int percent = static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * 100.0f + 0.5f);
  return std::to_string(percent) + " %";
}

std::string PositionText(const DeckState& state) {
  if (state.lengthSeconds < 0) return TotalText(0) + " из " + TotalText(0);
  return ElapsedText(state.positionSeconds) + " из " + TotalText(state.lengthSeconds);
}

std::string ValueOf(const Deck& deck, DeckControl control) {
  switch (control) {
    case DeckControl::VolumeSlot: return VolumeText(deck.state.volume);
    case DeckControl::Fader: return PositionText(deck.state);
    case DeckControl::TrackList: return gadgetCaption(deck.profile.listGadget);
    default: return {};
  }
}

RECT PlaceRect(DeckControl control) {
  const HitRect place = PlaceOf(control);
  return {place.left, place.top, place.right + 1, place.bottom + 1};
}

}  // namespace

int DeckAccessible::count() { return static_cast<int>(std::size(kSpoken)); }

AccessibleControl DeckAccessible::control(int index) {
  if (index < 0 || index >= count()) return {};
  const Spoken& spoken = kSpoken[index];
  AccessibleControl control;
  control.name = spoken.name;
  control.role = spoken.role;
  control.state = StateOf(deck_, spoken.control);
  control.value = ValueOf(deck_, spoken.control);
  control.place = PlaceRect(spoken.control);
  if (spoken.control == DeckControl::TrackList)
    control.window = gadgetHandle(deck_.profile.listGadget);
  return control;
}

void DeckAccessible::click(int index) {
  if (index >= 0 && index < count()) loop_.pendingClick = kSpoken[index].control;
}

int DeckAccessible::focused() { return IndexOf(loop_.keys.focused); }

void DeckAccessible::TellStates() {
  for (int index = 0; index < kControls; ++index) {
    const long state = StateOf(deck_, kSpoken[index].control);
    if (told_.any && state != told_.states[index])
      notifyAccessible(kMainWindow, EVENT_OBJECT_STATECHANGE, index);
    told_.states[index] = state;
  }
}

void DeckAccessible::TellValue(DeckControl control, std::string& told) {
  std::string value = ValueOf(deck_, control);
  if (value == told) return;
  if (told_.any) notifyAccessible(kMainWindow, EVENT_OBJECT_VALUECHANGE, IndexOf(control));
  told = std::move(value);
}

void DeckAccessible::TellChanges(DeckClock::time_point now) {
  if (const int focus = focused(); focus != told_.focused) {
    told_.focused = focus;
    if (focus >= 0) notifyAccessible(kMainWindow, EVENT_OBJECT_FOCUS, focus);
  }
  TellStates();
  TellValue(DeckControl::VolumeSlot, told_.volume);
  if (now - told_.positionAt >= kPositionEvery) {
    told_.positionAt = now;
    TellValue(DeckControl::Fader, told_.position);
  }
  told_.any = true;
}
