"""A Standard MIDI File writer: the demo folder's MIDI piece and the tests'
files are built with it.

A track is a list of (tick, bytes) events at absolute times; the writer
sorts them, turns the times into delta times and closes each track with an
End of Track event.
"""
import struct

PROGRAM, NOTE_ON, NOTE_OFF = 0xC0, 0x90, 0x80


def var_len(value):
    """MIDI's variable-length number: 7 bits a byte, most significant first."""
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


def tempo(tick, micros_per_quarter):
    return tick, b"\xff\x51\x03" + micros_per_quarter.to_bytes(3, "big")


def program(tick, channel, number):
    return tick, bytes((PROGRAM | channel, number))


def note(tick, length, channel, key, velocity):
    """A note-on and its note-off."""
    return [(tick, bytes((NOTE_ON | channel, key, velocity))),
            (tick + length, bytes((NOTE_OFF | channel, key, 64)))]


def track_chunk(events):
    # Note-offs sort before note-ons at the same tick, so a repeated key is not cut.
    ordered = sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != NOTE_OFF))
    body, now = bytearray(), 0
    for tick, data in ordered:
        body += var_len(tick - now) + data
        now = tick
    body += b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def midi_file(tracks, division):
    """Format 1 with division ticks per quarter note."""
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), division)
    return header + b"".join(track_chunk(t) for t in tracks)
