#include "audio/midi_synth.h"

#include <mutex>
#include <string>

#include "audio/instrument_path.h"

namespace {

// The synthesizer's configuration and its patch loading are global state.
std::mutex& SynthLock() {
  static std::mutex lock;
  return lock;
}

// Read at the first song rather than at start-up, so a program that never
// plays MIDI never pays for it. Without the configuration, no song loads.
bool SynthReady() {
  static const bool ready = [] {
    const std::string config = InstrumentConfigPath();
    return !config.empty() && Timidity_Init(config.c_str()) == 0;
  }();
  return ready;
}

// A song whose every instrument failed to load would play silence for its
// whole length; it is refused like a damaged file.
bool HasInstrument(const MidiSong* song) {
  for (int b = 0; b < MAXBANK; ++b)
    for (const ToneBank* bank : {song->tonebank[b], song->drumset[b]})
      for (int i = 0; bank && i < 128; ++i)
        if (bank->instrument[i]) return true;
  return false;
}

}  // namespace

MidiSong* LoadMidiSong(SDL_RWops* source) {
  std::lock_guard<std::mutex> hold(SynthLock());
  if (!SynthReady()) return nullptr;
  SDL_AudioSpec spec{static_cast<int>(kMidiRate), AUDIO_S16LSB, 2, kMidiBlockFrames};
  MidiSong* song = Timidity_LoadSong(source, &spec);
  if (song && (song->samples <= 0 || !HasInstrument(song))) {
    Timidity_FreeSong(song);
    return nullptr;
  }
  return song;
}
