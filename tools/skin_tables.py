"""The skin's places and sizes as the programs hold them: read from the
builds' constexpr tables (profile/deck_layout.h, full/ and mini/skin_table.h,
player/control_arithmetic.h, display/time_text.h), so the generators and the
tests written in Python use the same numbers without writing them again."""
import pathlib
import re

TOP = pathlib.Path(__file__).resolve().parents[1]


def _read(relative):
    return (TOP / relative).read_text(encoding="utf-8")


def _numbers(text):
    return tuple(int(n) for n in re.findall(r"-?\d+", text))


def geometry():
    """The fields of kDeck: a number, or a tuple of them for a box or a rectangle."""
    table = re.search(r"constexpr DeckGeometry kDeck\{(.*?)\n\};", _read("profile/deck_layout.h"),
                      re.S).group(1)
    fields = {}
    for name, value in re.findall(r"\.(\w+)\s*=\s*(\{[^}]*\}|-?\d+)", table):
        numbers = _numbers(value)
        fields[name] = numbers if value.startswith("{") else numbers[0]
    return fields


def constants(relative):
    """The `constexpr int kName = number;` and `constexpr Box kName = {...};` of a header."""
    text = _read(relative)
    found = {name: int(n) for name, n in re.findall(r"constexpr int (k\w+) = (-?\d+);", text)}
    found.update({name: _numbers(box)
                  for name, box in re.findall(r"constexpr Box (k\w+) = (\{[^}]*\});", text)})
    return found


DECK = geometry()
FULL = constants("full/skin_table.h")
MINI = constants("mini/skin_table.h")
ARITHMETIC = constants("player/control_arithmetic.h")
TIME_DISPLAY = constants("display/time_text.h")
