"""Where a person clicks on the deck (client coordinates), and what both
programs show there. The same places in both programs. The skin's places and
sizes are read from the builds' own tables, so none is written here again."""
import pathlib
import re

_TOP = pathlib.Path(__file__).resolve().parents[2]


def _read(relative):
    return (_TOP / relative).read_text(encoding="utf-8")


def _numbers(text):
    return tuple(int(n) for n in re.findall(r"-?\d+", text))


def _geometry():
    """The fields of the constexpr kDeck table: a number or a tuple of them."""
    table = re.search(r"constexpr DeckGeometry kDeck\{(.*?)\n\};", _read("profile/deck_layout.h"),
                      re.S).group(1)
    fields = {}
    for name, value in re.findall(r"\.(\w+)\s*=\s*(\{[^}]*\}|-?\d+)", table):
        numbers = _numbers(value)
        fields[name] = numbers if value.startswith("{") else numbers[0]
    return fields


def _constants(relative):
    """The `constexpr int kName = number;` and `constexpr Box kName = {...};` of a header."""
    text = _read(relative)
    found = {name: int(n) for name, n in re.findall(r"constexpr int (k\w+) = (-?\d+);", text)}
    found.update({name: _numbers(box)
                  for name, box in re.findall(r"constexpr Box (k\w+) = (\{[^}]*\});", text)})
    return found


GEOMETRY = _geometry()
FULL = _constants("full/skin_table.h")
MINI = _constants("mini/skin_table.h")
_ARITHMETIC = _constants("player/control_arithmetic.h")

CLIENT_WIDTH = GEOMETRY["clientWidth"]
CLOSED_SIZE = (CLIENT_WIDTH, GEOMETRY["closedHeight"])
OPEN_SIZE = (CLIENT_WIDTH, GEOMETRY["openHeight"])
SEEK_BAR = GEOMETRY["seekBar"]                      # x, y, width, height
VOLUME_SLOT = GEOMETRY["volumeSlot"]

POWER_SWITCH = (38, 35)        # over the canvas part of the switch, where a press counts
START_STOP = (27, 313)
PREVIOUS = (60, 326)
NEXT = (85, 326)
TONEARM_LIFT = (405, 145)
OPEN_LINK = (45, 377)
PAUSE_LINK = (132, 377)
VOLUME_Y = VOLUME_SLOT[1] + 5
FADER_X = SEEK_BAR[0] + 11
FADER_TOP = SEEK_BAR[1]        # the fader's top row is the end of the track, 100 rows below its start

LAMP_BOX = FULL["kPowerLamp"]  # x, y, width, height of the power lamp (full build)
MINI_LAMP_BOX = MINI["kPowerLamp"]


def canvas_box(build):
    """x, y, width, height of the turning canvas of a build's table (FULL or MINI)."""
    return (build["kCanvasLeft"], build["kCanvasTop"], build["kCanvasSize"], build["kCanvasSize"])


def volume_x(volume):
    """The slot's x for a volume: its seventh column is silence, its third from
    the right full volume."""
    silent = VOLUME_SLOT[0] + _ARITHMETIC["kSilentColumn"]
    full = VOLUME_SLOT[0] + VOLUME_SLOT[2] - _ARITHMETIC["kFullColumnFromRight"]
    return round(silent + (full - silent) * volume)


def fader_y(fraction):
    """The fader row that seeks to a fraction of the track."""
    return round(FADER_TOP + 100 - 100 * fraction)
