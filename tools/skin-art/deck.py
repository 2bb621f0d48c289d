"""The whole deck of one build, composed layer by layer, and the state
pictures cut out of it so they always agree with the skin around them."""
import dataclasses

import cairo

import controls
import headshell
import label
import panel
import pixels
import platter
import plinth
import record
import tonearm
from layout import WIDTH, DECK_HEIGHT, PANEL_HEIGHT


@dataclasses.dataclass(frozen=True)
class State:
    """What differs between the pictures cut from one deck."""
    power_on: bool = True
    lamp_lit: bool = False
    button_lit: bool = False
    lever_raised: bool = False
    with_knob: bool = True
    with_cap: bool = True
    arm_swing: float = 0.0     # degrees clockwise about the pivot


def record_sheen(layout):
    """The full build turns the whole record, so its sheen must stay faint
    or it would be seen turning; the mini build's grooves stand still."""
    return 2.5 if layout.name == "full" else 26.0


def base(layout):
    """Plate, platter and record: everything no state changes."""
    surface = pixels.opaque_surface(WIDTH, PANEL_HEIGHT)
    plinth.paint_plate(surface)
    cr = cairo.Context(surface)
    plinth.paint_bevel(cr)
    shape = (DECK_HEIGHT, WIDTH)
    platter.paint_shadow(cr, layout.centre, layout.platter_radius)
    platter.paint_rim(cr, shape, layout.centre, layout.platter_radius)
    vinyl = record.vinyl(shape, layout.centre, 1.0, layout.record_radius,
                         rotation=0.0, sheen=record_sheen(layout))
    cr.set_source_surface(pixels.surface_from_premultiplied(vinyl), 0, 0)
    cr.paint()
    label.draw(cr, *layout.centre, layout.label_radius, rotation=0.0)
    surface.flush()
    label.add_grain(surface, *layout.centre, layout.label_radius)
    platter.paint_spindle(cr, layout.centre)
    controls.paint_print(cr, layout)
    return pixels.rgb(surface)


def compose(layout, base_rgb, state):
    """The deck in `state`, as a 550-row RGB array (panel included)."""
    surface = pixels.opaque_surface(WIDTH, PANEL_HEIGHT)
    pixels.store_rgb(surface, base_rgb)
    cr = cairo.Context(surface)
    cr.rectangle(0, 0, WIDTH, DECK_HEIGHT)
    cr.clip()
    controls.paint(cr, layout, state)
    tonearm.paint(cr, layout, state)
    rgb = pixels.rgb(surface)
    if layout.name == "full":
        headshell.paint(rgb, (layout.canvas.x, layout.canvas.y))
    panel.paint(rgb)
    return rgb


def crop(rgb, rect):
    return rgb[rect.y:rect.y + rect.h, rect.x:rect.x + rect.w].copy()
