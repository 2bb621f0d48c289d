#!/usr/bin/python3
"""Writes the setup's file lists from the tree staged for it.

    setup_files.py STAGE OUTPUT_DIR

OUTPUT_DIR receives two parts of packaging/deckplayer.nsi:
  install.nsh    a SetOutPath for each folder of STAGE and a File for each of
                 its files;
  uninstall.nsh  a Delete for each of those files, then an RMDir for each of
                 those folders, deepest first.
The uninstaller thus removes exactly what the setup wrote, and a folder only
once it is empty: whatever else a user keeps there (the mini's playlist,
files of their own) stays, and so does the folder that holds it.
"""
import os
import sys
from pathlib import Path


def nsis_text(text):
    """A string for a double-quoted NSIS argument. makensis reads $ as the
    start of a variable; a Windows file name cannot hold a double quote."""
    if '"' in text or "\n" in text:
        raise ValueError(f"no Windows file may be named {text!r}")
    return text.replace("$", "$$")


def windows_path(relative):
    return "$INSTDIR" + "".join("\\" + nsis_text(part) for part in relative.parts)


def staged_tree(stage):
    """(folders, files) of the stage relative to it, each in sorted order;
    the stage itself is the folder Path(".")."""
    folders, files = [], []
    for root, dirs, names in os.walk(stage):
        dirs.sort()
        folder = Path(root).relative_to(stage)
        folders.append(folder)
        files += [folder / name for name in sorted(names)]
    return folders, files


def install_lines(stage, folders, files):
    lines = []
    for folder in folders:
        lines.append(f'SetOutPath "{windows_path(folder)}"')
        lines += [f'File "{nsis_text(str(stage / f))}"' for f in files if f.parent == folder]
    return lines


def uninstall_lines(folders, files):
    lines = [f'Delete "{windows_path(f)}"' for f in files]
    deepest_first = sorted((f for f in folders if f.parts), key=lambda f: -len(f.parts))
    return lines + [f'RMDir "{windows_path(f)}"' for f in deepest_first]


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: setup_files.py STAGE OUTPUT_DIR")
    stage, output = Path(argv[1]).resolve(), Path(argv[2])
    if not (stage / "deckplayer.exe").is_file():
        sys.exit(f"setup_files.py: {stage} holds no deckplayer.exe; it is not a staged tree")
    folders, files = staged_tree(stage)
    output.mkdir(parents=True, exist_ok=True)
    header = "; Written by packaging/setup_files.py from " + nsis_text(str(stage)) + "\n"
    for name, lines in (("install.nsh", install_lines(stage, folders, files)),
                        ("uninstall.nsh", uninstall_lines(folders, files))):
        (output / name).write_text(header + "\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)
