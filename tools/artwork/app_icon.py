"""The application icon: a pulse train above a slider on a teal tile.

The pulses stand for the drive's step pulses, the slider for setting their
timing. Lines are centred on multiples of 16 plus 8 in the 256 design
space and are 16 wide, so they land on whole pixels at 16 and 32 pixels
and stay sharp at the small sizes.
"""

from vector import Circle, Paint, RoundRect, SquareWave

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

TEAL_LIGHT = (0, 158, 158)
TEAL_DARK = (0, 104, 104)
TRACK_DARK = (0, 70, 70)
TRACK_LIT = (150, 230, 230)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)

LOW, HIGH = 120, 56
TRACK_Y = 184
KNOB_X = 152


def shapes():
    return [
        # The tile, lighter at the top.
        RoundRect(16, 16, 240, 240, 44, Paint(TEAL_LIGHT, TEAL_DARK, 16, 240)),
        # Two pulses.
        SquareWave([(40, LOW), (72, LOW), (72, HIGH), (104, HIGH), (104, LOW),
                    (152, LOW), (152, HIGH), (184, HIGH), (184, LOW), (216, LOW)],
                   16, Paint(WHITE)),
        # Slider track: lit up to the knob, dark after it.
        RoundRect(32, TRACK_Y - 8, 224, TRACK_Y + 8, 8, Paint(TRACK_DARK)),
        RoundRect(32, TRACK_Y - 8, KNOB_X, TRACK_Y + 8, 8, Paint(TRACK_LIT)),
        # Knob: a silver ring around a white cap.
        Circle(KNOB_X, TRACK_Y, 26, Paint(SILVER)),
        Circle(KNOB_X, TRACK_Y, 19, Paint(WHITE)),
    ]
