"""The damaged corpus of tools/damaged-media, for the e2e tests and the soak."""
import importlib.util

import harness

_TOOL = harness.TOP / "tools" / "damaged-media" / "make_damaged_media.py"
_spec = importlib.util.spec_from_file_location("make_damaged_media", _TOOL)
generator = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(generator)

# A dozen of every sort: cut, lying sizes, zero fields, noise, MIDI with
# absurd values, pure garbage, an empty file and a folder named like a track.
DOZEN = ["wav-cut-0040.wav", "wav-channels-0.wav", "wav-data-size-ffffffff.wav",
         "wav-blockalign-0.wav", "wav-list-size-fffffff0.wav", "mp3-garbage.mp3",
         "mp3-id3v2-size-huge.mp3", "mp3-cut-0417.mp3", "mid-tracks-65535.mid",
         "mid-tempo-0.mid", "empty.mp3", "folder.wav"]


def write_corpus(folder):
    """Writes the whole corpus to folder; returns the folder."""
    generator.write_corpus(folder)
    return folder


def write_midi(path):
    """A short valid MIDI file (four notes)."""
    path.write_bytes(generator.midi_bytes())
    return path
