"""Where everything sits on the deck, in client pixels of the 435-wide window.

The hit rectangles of the programs are fixed, so each feature is placed from
them; the two builds differ only in the turning square and the lamp's row.
"""
from dataclasses import dataclass

WIDTH = 435
DECK_HEIGHT = 360
PANEL_HEIGHT = 550


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
    power_switch: Rect = Rect(24, 26, 21, 18)
    start_button: Rect = Rect(10, 296, 35, 35)
    speed_buttons: tuple = (Rect(54, 320, 13, 13), Rect(79, 320, 13, 13))
    volume_slot: Rect = Rect(323, 288, 60, 11)
    fader: Rect = Rect(394, 212, 24, 120)
    lift: Rect = Rect(381, 108, 40, 60)
    pivot: tuple = (372.0, 64.0)

    @property
    def centre(self):
        """The record's centre: the middle of the turning square."""
        return self.canvas.centre


FULL = Layout("full", canvas=Rect(30, 17, 300, 300), lamp=Rect(302, 24, 16, 16))
MINI = Layout("mini", canvas=Rect(114, 100, 137, 137), lamp=Rect(302, 25, 16, 16))

# The knob and the cap move inside their pictures; the skin shows them where
# the programs start: knob at x 25, cap at the bottom (a track's start).
KNOB_SIZE = (13, 10)
KNOB_START_X = 25
CAP_SIZE = (22, 17)
CAP_X = 2
CAP_START_Y = 103
