#!/usr/bin/python3
"""Writes the demo folder's tracks: short melodies as WAV, MP3 and MIDI.

    make_demo_media.py OUTPUT_DIR

Each track is its own key, tempo and timbre, so a listener (or a test that
looks at the spectrum of a capture) tells them apart. Notes have an attack,
a decay and a few harmonics rather than being bare sine tones. One MP3 has a
Cyrillic name, and "broken.mp3" is text named like a track, so the player's
skipping of unplayable entries can be seen. The MIDI piece is a band of
flute doubled by a clarinet, guitar, strings, bass and drums that the
player's synthesizer plays.

The output depends on nothing but this file: no randomness, no timestamps
(WAV is written here, and LAME stores no date in its info frame).
"""
import math
import os
import subprocess
import sys
import wave
from dataclasses import dataclass

import numpy as np

from midi_out import midi_file, note as midi_note, program, tempo, volume

RATE = 44100
# The WAV tracks keep their size down with a lower rate; the player resamples.
WAV_RATE = 22050
MP3_BITRATE_KBPS = 48

# Semitones above the key's tonic for the scale degrees 1..8 of each mode.
MAJOR = (0, 2, 4, 5, 7, 9, 11, 12)
MINOR = (0, 2, 3, 5, 7, 8, 10, 12)


@dataclass(frozen=True)
class Timbre:
    harmonics: tuple      # amplitude of partials 1, 2, 3, ...
    attack: float         # seconds
    decay: float          # time constant of the exponential fall, seconds


BRIGHT = Timbre((1.0, 0.5, 0.33, 0.2, 0.1), attack=0.008, decay=0.35)
ORGAN = Timbre((1.0, 0.0, 0.4, 0.0, 0.25, 0.0, 0.12), attack=0.04, decay=3.0)
PLUCK = Timbre((1.0, 0.7, 0.45, 0.3, 0.2, 0.12), attack=0.003, decay=0.18)
WARM = Timbre((1.0, 0.35, 0.15), attack=0.02, decay=0.6)


@dataclass(frozen=True)
class Tune:
    file_name: str
    tonic_hz: float
    mode: tuple
    bpm: float
    timbre: Timbre
    # (scale degree 1..8 or 0 for a rest, length in beats)
    melody: tuple
    # bass notes, one per bar: scale degrees, an octave below the tonic
    bass: tuple
    beats_per_bar: int = 4


TUNES = (
    Tune("01 Sunrise.wav", 261.63, MAJOR, 160, BRIGHT,
         melody=((1, 1), (3, 1), (5, 1), (8, 1), (7, 0.5), (6, 0.5), (5, 1), (3, 1),
                 (4, 1), (6, 1), (5, 2), (3, 1), (2, 1), (1, 2)),
         bass=(1, 4, 5, 1)),
    Tune("02 Harbour.mp3", 220.0, MINOR, 112, ORGAN,
         melody=((5, 1), (3, 1), (1, 1), (3, 1), (4, 2), (2, 2),
                 (3, 1), (5, 1), (6, 1), (5, 1), (1, 4)),
         bass=(1, 6, 4, 1)),
    Tune("Вальс.mp3", 293.66, MAJOR, 180, WARM, beats_per_bar=3,
         melody=((5, 2), (3, 1), (8, 2), (7, 1), (6, 2), (5, 1), (3, 3),
                 (4, 2), (6, 1), (5, 2), (3, 1), (2, 2), (7, 1), (8, 3)),
         bass=(1, 1, 4, 1, 4, 5, 5, 1)),
    Tune("04 Rain.mp3", 329.63, MINOR, 100, PLUCK,
         melody=((1, 0.5), (3, 0.5), (5, 0.5), (8, 0.5), (5, 0.5), (3, 0.5), (4, 1),
                 (6, 0.5), (4, 0.5), (2, 1), (7, 1), (5, 1), (3, 0.5), (2, 0.5),
                 (1, 1), (5, 1), (1, 2)),
         bass=(1, 6, 7, 1)),
)

MEADOW = Tune("03 Meadow.mid", 392.0, MAJOR, 132, timbre=None,
              melody=((1, 1), (2, 1), (3, 1), (5, 1), (6, 1.5), (5, 0.5), (3, 2),
                      (4, 1), (3, 1), (2, 1), (6, 1), (5, 2), (7, 1), (8, 3)),
              bass=(1, 4, 5, 1, 4, 5))

# General MIDI programs of the piece's band and the drum keys on channel 10.
FLUTE, CLARINET, NYLON_GUITAR, STRINGS, ACOUSTIC_BASS = 73, 71, 24, 48, 32
KICK, SNARE, CLOSED_HAT = 36, 38, 42
DRUM_CHANNEL = 9
TICKS_PER_BEAT = 480

BROKEN_NAME = "broken.mp3"
# Text only: no byte 0xFF, so no decoder finds an MP3 frame sync in it.
BROKEN_TEXT = b"This is not an MP3 file; the player skips it.\r\n" * 40


def degree_hz(tune, degree, octave=0):
    return tune.tonic_hz * 2.0 ** (tune.mode[degree - 1] / 12.0 + octave)


def note(frequency, seconds, timbre, level):
    """One note: the partials under an attack and an exponential decay,
    ending in a short release so that no note ends with a click."""
    t = np.arange(int(seconds * RATE)) / RATE
    tone = sum(a * np.sin(2 * np.pi * frequency * (k + 1) * t)
               for k, a in enumerate(timbre.harmonics) if a)
    envelope = np.minimum(t / timbre.attack, 1.0) * np.exp(-t / timbre.decay)
    release = np.minimum((seconds - t) / 0.02, 1.0)
    return level * tone * envelope * release


def add_at(track, start, sound):
    begin = int(start * RATE)
    end = min(begin + len(sound), len(track))
    track[begin:end] += sound[:end - begin]


def render(tune):
    beat = 60.0 / tune.bpm
    length = sum(beats for _, beats in tune.melody) * beat
    track = np.zeros(int(length * RATE) + RATE // 2)
    at = 0.0
    for degree, beats in tune.melody:
        if degree:
            add_at(track, at, note(degree_hz(tune, degree), beats * beat, tune.timbre, 0.5))
        at += beats * beat
    bar = tune.beats_per_bar * beat
    for index in range(int(np.ceil(length / bar))):
        root = tune.bass[index % len(tune.bass)]
        add_at(track, index * bar, note(degree_hz(tune, root, -1), bar * 0.9, WARM, 0.35))
        if tune.beats_per_bar == 3:  # the waltz's "pah pah" on beats two and three
            for offbeat in (1, 2):
                chord = note(degree_hz(tune, root + 2 if root < 7 else 2), beat * 0.5, PLUCK, 0.12)
                add_at(track, index * bar + offbeat * beat, chord)
    return 0.8 * track / np.max(np.abs(track))


def key_number(tune, degree, octave=0):
    tonic = round(69 + 12 * math.log2(tune.tonic_hz / 440.0))
    return tonic + tune.mode[(degree - 1) % 7] + 12 * (octave + (degree - 1) // 7)


def band_parts(tune):
    """The melody on the flute, doubled an octave down by the clarinet; a
    triad on the guitar and held by the strings, and the root on the bass,
    every bar; and a rock beat: kick, snare, and closed hi-hat on the eighths."""
    beat, bar = TICKS_PER_BEAT, TICKS_PER_BEAT * tune.beats_per_bar
    # Full channel volume, strong velocities and the doubled and held parts:
    # with the synthesizer's gain set so that dense pieces never clip, a thin
    # band would be far quieter than the WAV and MP3 tracks.
    melody = [program(0, 0, FLUTE), volume(0, 0, 127)]
    doubled = [program(0, 4, CLARINET), volume(0, 4, 127)]
    at = 0
    for degree, beats in tune.melody:
        if degree:
            length = int(beats * beat * 0.95)
            melody += midi_note(at, length, 0, key_number(tune, degree), 127)
            doubled += midi_note(at, length, 4, key_number(tune, degree, -1), 127)
        at += int(beats * beat)
    bars = math.ceil(at / bar)
    guitar = [program(0, 1, NYLON_GUITAR), volume(0, 1, 127)]
    strings = [program(0, 3, STRINGS), volume(0, 3, 127)]
    bass = [program(0, 2, ACOUSTIC_BASS), volume(0, 2, 127)]
    drums = [volume(0, DRUM_CHANNEL, 127)]
    for index in range(bars):
        root, start = tune.bass[index % len(tune.bass)], index * bar
        bass += midi_note(start, bar - beat // 4, 2, key_number(tune, root, -2), 127)
        for third in (0, 2, 4):
            guitar += midi_note(start, bar - beat // 4, 1, key_number(tune, root + third, -1), 90)
            strings += midi_note(start, bar - beat // 4, 3, key_number(tune, root + third), 100)
        for eighth in range(2 * tune.beats_per_bar):
            tick = start + eighth * beat // 2
            drums += midi_note(tick, beat // 4, DRUM_CHANNEL, CLOSED_HAT, 80)
            if eighth % 2 == 0:
                drums += midi_note(tick, beat // 4, DRUM_CHANNEL, SNARE if eighth % 4 else KICK, 120)
    return [[tempo(0, round(60_000_000 / tune.bpm))], melody, doubled, guitar, strings, bass, drums]


def write_midi(path, tune):
    with open(path, "wb") as out:
        out.write(midi_file(band_parts(tune), TICKS_PER_BEAT))


def pcm16(samples):
    return (np.clip(samples, -1.0, 1.0) * 32767).astype("<i2").tobytes()


def write_wav(path, samples):
    step = RATE // WAV_RATE
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(WAV_RATE)
        out.writeframes(pcm16(samples[::step]))


def write_mp3(path, samples):
    """LAME reads a WAV file here: raw PCM on its standard input is not
    reliable with the libsndfile build Debian ships."""
    source = path + ".tmp.wav"
    with wave.open(source, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(pcm16(samples))
    try:
        subprocess.run(["lame", "--quiet", "-m", "m", "-b", str(MP3_BITRATE_KBPS), source, path],
                       check=True)
    finally:
        os.remove(source)


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_demo_media.py OUTPUT_DIR")
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for tune in TUNES:
        path = os.path.join(folder, tune.file_name)
        samples = render(tune)
        (write_wav if path.endswith(".wav") else write_mp3)(path, samples)
    write_midi(os.path.join(folder, MEADOW.file_name), MEADOW)
    with open(os.path.join(folder, BROKEN_NAME), "wb") as out:
        out.write(BROKEN_TEXT)
    print("demo media: " + folder)


if __name__ == "__main__":
    main(sys.argv)
