"""The two 50 x 50 USB pictures on the connect/disconnect button.

Both use only four colours and hard pixel edges. The plug is drawn in a
coordinate frame turned by 45 degrees, so it points from the lower left to
the upper right: u runs along the plug (towards the upper right), v across it.
"""

from crisp import Canvas, Frame, Mask, bezier, disc, rect, thick_curve

SIZE = 50
WHITE = (255, 255, 255)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
PALETTE = (WHITE, TEAL, SILVER, GREY)

CENTRE = (SIZE / 2, SIZE / 2)


def _frame(origin=CENTRE):
    return Frame(SIZE, SIZE, origin, 45)


def usb_connected():
    """Teal plug (lower left) and teal socket (upper right), held apart."""
    c = Canvas(SIZE, SIZE, WHITE)
    f = _frame()

    # Plug: cable from the corner, a tapered strain relief, the grip and
    # the metal tip, which is hollow with its two square pin windows.
    cable = f.box(-40, -23, -2, 2)
    relief = f.polygon([(-26, -3), (-21, -6), (-21, 6), (-26, 3)])
    grip = f.box(-21, -11, -6, 6)
    tip = f.box(-11, -4, -5, 5)
    c.paint(cable | relief | grip, TEAL)
    c.paint(tip.rim(), TEAL)
    c.paint(f.box(-9, -6.5, -3.5, -1) | f.box(-9, -6.5, 1, 3.5), TEAL)

    # Socket: a solid housing whose open mouth faces the plug; inside the
    # mouth the contact tongue sits on one side. A cable leads to the corner.
    housing = f.box(3, 17, -9, 9)
    mouth = f.box(3, 12, -6, 6)
    tongue = f.box(6, 12, -4.3, -1)
    c.paint(housing, TEAL)
    c.paint(mouth, WHITE)
    c.paint(tongue, TEAL)
    c.paint(f.polygon([(17, -7), (22, -3), (22, 3), (17, 7)]) | f.box(21, 40, -2, 2), TEAL)

    # Thin frame along the outer edge, drawn last so the cables end in it.
    border = rect(SIZE, SIZE, 0, 0, SIZE, SIZE) - rect(SIZE, SIZE, 1, 1, SIZE - 1, SIZE - 1)
    c.paint(border, TEAL)
    return c.pixels


def usb_disconnected():
    """A white USB-A plug with its cable lying in a curve on a teal disc.

    The plug sits above the diagonal and the cable sweeps below the middle,
    so the centre of the disc stays teal.
    """
    c = Canvas(SIZE, SIZE, WHITE)
    field = disc(SIZE, SIZE, 25, 25, 25)
    c.paint(field, TEAL)
    f = _frame(origin=(18.5, 18.5))

    # Cable: leaves the plug towards the lower left, bends round under the
    # middle and runs off the right-hand edge of the disc.
    rear = f.point(-13, 0)
    path = bezier(rear, (3, 34), (24, 50), (50, 42))
    cable = thick_curve(SIZE, SIZE, path, 5) & field
    c.paint_outlined(cable, WHITE, GREY)

    relief = f.polygon([(-14, -3), (-9, -5.5), (-9, 5.5), (-14, 3)])
    grip = f.box(-9, 3, -6.5, 6.5)
    c.paint_outlined(relief | grip, WHITE, GREY)
    # Shading along the lower side of the grip.
    c.paint(f.box(-8, 2, 3, 5.5) & grip.shrunk(), SILVER)

    tip = f.box(3, 13, -5.5, 5.5)
    c.paint_outlined(tip, WHITE, GREY)
    c.paint(f.box(7, 10.5, -3.5, -1) | f.box(7, 10.5, 1, 3.5), GREY)
    return c.pixels


PICTURES = {
    "usb_connected.png": usb_connected,
    "usb_disconnected.png": usb_disconnected,
}
