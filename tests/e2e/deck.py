"""Where a person clicks on the deck (client coordinates), and what both
programs show there. The same places in both programs. The skin's places and
sizes are read from the builds' own tables, so none is written here again."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
from skin_tables import ARITHMETIC, DECK as GEOMETRY, FULL, MINI  # noqa: E402

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
    silent = VOLUME_SLOT[0] + ARITHMETIC["kSilentColumn"]
    full = VOLUME_SLOT[0] + VOLUME_SLOT[2] - ARITHMETIC["kFullColumnFromRight"]
    return round(silent + (full - silent) * volume)


def fader_y(fraction):
    """The fader row that seeks to a fraction of the track."""
    return round(FADER_TOP + 100 - 100 * fraction)
