"""Where everything sits on the deck, in client pixels of the window.

The places are the programs' own, read from their tables, so each feature is
painted where the programs show and hit it; the two builds differ only in the
turning square and the lamp's row.
"""
import pathlib
import sys
from dataclasses import dataclass

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
from skin_tables import DECK, FULL as FULL_TABLE, MINI as MINI_TABLE, TIME_DISPLAY  # noqa: E402

WIDTH = DECK["clientWidth"]
DECK_HEIGHT = DECK["closedHeight"]
PANEL_HEIGHT = DECK["openHeight"]


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    @property
    def centre(self):
        return (self.x + self.w / 2, self.y + self.h / 2)


@dataclass(frozen=True)
class Layout:
    name: str
    canvas: Rect             # the square the program repaints every frame
    lamp: Rect
    record_radius: float = 145.0   # the vinyl's edge, inside the platter rim
    label_radius: float = 64.0
    platter_radius: float = 164.0
    power_switch: Rect = Rect(*DECK["powerSwitch"])
    start_button: Rect = Rect(*DECK["startButton"])
    speed_buttons: tuple = (Rect(*DECK["previous"]), Rect(*DECK["next"]))
    volume_slot: Rect = Rect(*DECK["volumeSlot"])
    fader: Rect = Rect(*DECK["seekBar"])
    lift: Rect = Rect(*DECK["pauseIndicator"])
    pivot: tuple = (372.0, 64.0)

    @property
    def centre(self):
        """The record's centre: the middle of the turning square."""
        return self.canvas.centre


def _canvas(table):
    return Rect(table["kCanvasLeft"], table["kCanvasTop"], table["kCanvasSize"],
                table["kCanvasSize"])


FULL = Layout("full", canvas=_canvas(FULL_TABLE), lamp=Rect(*FULL_TABLE["kPowerLamp"]))
MINI = Layout("mini", canvas=_canvas(MINI_TABLE), lamp=Rect(*MINI_TABLE["kPowerLamp"]))

# The knob and the cap move inside their pictures; the skin shows them where
# the programs start: the knob at its first place, the cap at the bottom (a track's start).
KNOB_SIZE = DECK["volumeKnob"]
KNOB_START_X = DECK["volumeKnobStartX"]
CAP_SIZE = DECK["faderCap"]
CAP_X = DECK["faderCapX"]
CAP_START_Y = TIME_DISPLAY["kMarkerBottomRow"]
