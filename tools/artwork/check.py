"""Checks on the written images, read back from disk.

Each check returns a list of problems (empty when the file is fine), so
the generator can report every fault at once instead of stopping at the
first one.
"""

import os
from xml.etree import ElementTree

from pngfile import read_png
from usb_pictures import PALETTE as USB_PALETTE
from toolbar import CLASSIC_16, TOOLBAR_SIZE

from app_icon import SIZES as ICON_SIZES

SVG_NS = "{http://www.w3.org/2000/svg}"


def _pixel(image, x, y):
    width, _, _, pixels = image
    return pixels[y * width + x]


def _size_problems(name, image, width, height):
    if (image[0], image[1]) != (width, height):
        return [f"{name}: size is {image[0]}x{image[1]}, expected {width}x{height}"]
    return []


def check_usb_picture(path, corners_teal):
    """50x50, no alpha channel, only the four colours, corners as required.

    corners_teal=True: all four corner pixels are teal (the framed picture).
    corners_teal=False: corners white and the centre teal (the disc picture).
    """
    name = os.path.basename(path)
    image = read_png(path)
    problems = _size_problems(name, image, 50, 50)
    if problems:
        return problems
    if image[2] != 3:
        problems.append(f"{name}: has an alpha channel")
    stray = {px[:3] for px in image[3]} - set(USB_PALETTE)
    if stray:
        problems.append(f"{name}: colours outside the four allowed: {sorted(stray)[:5]}")
    white, teal = USB_PALETTE[0], USB_PALETTE[1]
    want_corner = teal if corners_teal else white
    for (x, y) in ((0, 0), (49, 0), (0, 49), (49, 49)):
        if _pixel(image, x, y)[:3] != want_corner:
            problems.append(f"{name}: corner ({x},{y}) is {_pixel(image, x, y)[:3]}, expected {want_corner}")
    if not corners_teal and _pixel(image, 25, 25)[:3] != teal:
        problems.append(f"{name}: centre pixel is not teal")
    return problems


def check_toolbar_image(path, classic_only):
    """16x15 RGBA; alpha only fully on or off; optionally classic colours only."""
    name = os.path.basename(path)
    image = read_png(path)
    problems = _size_problems(name, image, *TOOLBAR_SIZE)
    if problems:
        return problems
    if image[2] != 4:
        return [f"{name}: has no alpha channel"]
    alphas = {px[3] for px in image[3]}
    if not alphas <= {0, 255}:
        problems.append(f"{name}: partial transparency {sorted(alphas - {0, 255})[:5]}")
    if 0 not in alphas:
        problems.append(f"{name}: no transparent pixels")
    opaque = [px[:3] for px in image[3] if px[3] == 255]
    if len(opaque) < 30:
        problems.append(f"{name}: almost empty ({len(opaque)} opaque pixels)")
    if classic_only:
        stray = set(opaque) - set(CLASSIC_16.values())
        if stray:
            problems.append(f"{name}: colours outside the 16-colour palette: {sorted(stray)[:5]}")
    return problems


def check_icon(path, size):
    """Square RGBA icon of the given size, transparent corners, opaque centre."""
    name = os.path.basename(path)
    image = read_png(path)
    problems = _size_problems(name, image, size, size)
    if problems:
        return problems
    if image[2] != 4:
        return [f"{name}: has no alpha channel"]
    if _pixel(image, 0, 0)[3] != 0:
        problems.append(f"{name}: top-left corner is not transparent")
    if _pixel(image, size // 2, size // 2)[3] != 255:
        problems.append(f"{name}: centre is not opaque")
    return problems


def check_all(out_dir):
    problems = []
    problems += check_usb_picture(os.path.join(out_dir, "usb_connected.png"), corners_teal=True)
    problems += check_usb_picture(os.path.join(out_dir, "usb_disconnected.png"), corners_teal=False)
    for prefix, classic in (("tb_", False), ("tb16_", True)):
        for what in ("cut", "copy", "paste", "about"):
            problems += check_toolbar_image(os.path.join(out_dir, f"{prefix}{what}.png"), classic)
    for size in ICON_SIZES:
        problems += check_icon(os.path.join(out_dir, f"icon_{size}.png"), size)
    problems += check_svg(os.path.join(out_dir, "kavel.svg"))
    return problems


def check_svg(path):
    """Well-formed XML with a 256 x 256 <svg> root that draws something."""
    name = os.path.basename(path)
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as err:
        return [f"{name}: not well-formed XML ({err})"]
    problems = []
    if root.tag != SVG_NS + "svg":
        problems.append(f"{name}: root element is {root.tag}, not svg")
    if root.get("viewBox") != "0 0 256 256":
        problems.append(f"{name}: unexpected viewBox {root.get('viewBox')}")
    drawn = [e for e in root.iter() if e.tag in (SVG_NS + "rect", SVG_NS + "circle", SVG_NS + "polyline")]
    if len(drawn) < 3:
        problems.append(f"{name}: draws only {len(drawn)} shapes")
    return problems
