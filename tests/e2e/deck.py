"""Where a person clicks on the deck (client coordinates), and what both
programs show there. The same places in both programs."""

POWER_SWITCH = (38, 35)        # over the canvas part of the switch, where a press counts
START_STOP = (27, 313)
PREVIOUS = (60, 326)
NEXT = (85, 326)
TONEARM_LIFT = (405, 145)
OPEN_LINK = (45, 377)
PAUSE_LINK = (132, 377)
VOLUME_Y = 293
FADER_X = 405
FADER_TOP = 212                # the fader's top row is the end of the track, row 312 its start

LAMP_BOX = (302, 24, 16, 16)   # x, y, width, height of the power lamp (full build)
MINI_LAMP_BOX = (302, 25, 16, 16)


def volume_x(volume):
    """The slot's x for a volume: x 330 is silence, x 380 full volume."""
    return round(330 + 50 * volume)


def fader_y(fraction):
    """The fader row that seeks to a fraction of the track."""
    return round(312 - 100 * fraction)
