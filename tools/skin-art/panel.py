"""The drawer below the deck that the track list slides out in."""
from layout import WIDTH, DECK_HEIGHT, PANEL_HEIGHT

# The list and the labels paint their background in this grey, so the face
# must be exactly it for them to sit in it without a frame.
PANEL_GREY = (21, 21, 21)
HAIRLINE = (52, 52, 55)


def paint(rgb):
    """Rows DECK_HEIGHT and below of an H x W x 3 array; the first of them
    is the hairline where the drawer meets the deck."""
    rgb[DECK_HEIGHT:PANEL_HEIGHT, :WIDTH] = PANEL_GREY
    rgb[DECK_HEIGHT, :WIDTH] = HAIRLINE
