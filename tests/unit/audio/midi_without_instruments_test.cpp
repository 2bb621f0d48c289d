// A program without freepats/ beside it: MIDI files are refused like damaged
// files, again and again, and the other kinds still open. This executable
// lives in a folder of its own, away from the instruments of audio_tests.
#include <gtest/gtest.h>

#include <memory>

#include "audio/memory_reader.h"
#include "audio/midi_decoder.h"
#include "audio/open_decoder.h"
#include "tests/unit/audio/midi_bytes.h"
#include "tests/unit/audio/wav_bytes.h"

namespace {

TEST(MidiWithoutInstruments, MidiIsRefusedAndOtherKindsStillOpen) {
  const MidiBytes song = MidiFile(0, 480, {MidiTrack().noteOn(0, 0, 69).noteOff(480, 0, 69).end()});
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(OpenMidiDecoder(std::make_unique<MemoryReader>(song.data(), song.size())), nullptr);
    EXPECT_EQ(OpenDecoder(std::make_unique<MemoryReader>(song.data(), song.size())), nullptr);
  }
  const Bytes wav = WavFile({}, Pcm16Frames(100, 2));
  EXPECT_NE(OpenDecoder(std::make_unique<MemoryReader>(wav.data(), wav.size())), nullptr);
}

}  // namespace
