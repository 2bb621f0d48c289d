#!/usr/bin/python3
"""Lays out the MIDI instruments beside the programs: freepats' patches and a
synthesizer configuration in which no General MIDI program is silent.

    lay_out_freepats.py [--link] OUTPUT_DIR

OUTPUT_DIR receives timidity.cfg, the Tone_000/ and Drum_000/ patch folders
(copied, or with --link symbolic links to the installed package, which is
what the test executables use) and freepats' copyright and licence texts.

freepats has 72 of the 128 General MIDI programs. Each missing one is played
by the nearest present program of its family (the eight programs 8k..8k+7:
pianos, chromatic percussion, organs, guitars, ...), the lower one on a tie.
Every path in the configuration is relative to it, so the folder can move.
"""
import os
import shutil
import sys

FREEPATS = "/usr/share/midi/freepats"
FREEPATS_CFG = "/etc/timidity/freepats.cfg"
LICENCE_FILES = (("/usr/share/doc/freepats/copyright", "COPYRIGHT"),
                 ("/usr/share/common-licenses/GPL-2", "GPL-2"))
PATCH_FOLDERS = ("Tone_000", "Drum_000")
FAMILY_SIZE = 8


def read_sections(lines):
    """{"bank": {program: "path options"}, "drumset": {note: ...}} of bank and drum set 0."""
    sections = {"bank": {}, "drumset": {}}
    current = None
    for line in lines:
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        if words[0] in sections:
            current = sections[words[0]] if words[1:] == ["0"] else None
        elif words[0].isdigit() and current is not None and len(words) >= 2:
            current[int(words[0])] = " ".join(words[1:])
    return sections


def nearest_in_family(program, present):
    """The present program of program's family nearest to it; None when the family has none."""
    family = range(program // FAMILY_SIZE * FAMILY_SIZE, (program // FAMILY_SIZE + 1) * FAMILY_SIZE)
    candidates = [p for p in family if p in present]
    return min(candidates, key=lambda p: (abs(p - program), p)) if candidates else None


def complete_bank(bank):
    """bank with every program 0..127 that has a family member filled in from it."""
    full = {}
    for program in range(128):
        source = program if program in bank else nearest_in_family(program, bank)
        if source is not None:
            full[program] = bank[source]
    return full


def config_text(sections):
    lines = ["# The synthesizer's instruments: freepats, each General MIDI program it lacks",
             "# played by the nearest instrument of its family. Paths are relative to this file.",
             "", "drumset 0"]
    lines += [f"{note} {entry}" for note, entry in sorted(sections["drumset"].items())]
    lines += ["", "bank 0"]
    lines += [f"{program} {entry}" for program, entry in sorted(complete_bank(sections["bank"]).items())]
    return "\n".join(lines) + "\n"


def place(source, target, link):
    if os.path.lexists(target):
        shutil.rmtree(target) if os.path.isdir(target) and not os.path.islink(target) else os.remove(target)
    if link:
        os.symlink(source, target)
    else:
        shutil.copytree(source, target)


def lay_out(output, link=False):
    if not os.path.isfile(FREEPATS_CFG):
        sys.exit(f"lay_out_freepats: {FREEPATS_CFG} is missing; install the Debian package freepats")
    os.makedirs(output, exist_ok=True)
    with open(FREEPATS_CFG, encoding="latin-1") as cfg:
        sections = read_sections(cfg)
    with open(os.path.join(output, "timidity.cfg"), "w", encoding="ascii", newline="\r\n") as out:
        out.write(config_text(sections))
    for folder in PATCH_FOLDERS:
        place(os.path.join(FREEPATS, folder), os.path.join(output, folder), link)
    for source, name in LICENCE_FILES:
        shutil.copyfile(source, os.path.join(output, name))


def main(argv):
    link = "--link" in argv
    rest = [a for a in argv if a != "--link"]
    if len(rest) != 1:
        sys.exit("usage: lay_out_freepats.py [--link] OUTPUT_DIR")
    lay_out(rest[0], link)


if __name__ == "__main__":
    main(sys.argv[1:])
