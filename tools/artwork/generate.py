#!/usr/bin/env python3
"""Draw every image in res/images, then check the written files.

Usage:
    python3 tools/artwork/generate.py           # redraw all images and check them
    python3 tools/artwork/generate.py --check   # only check the existing files

Needs nothing beyond the Python 3 standard library.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import app_icon  # noqa: E402
import toolbar  # noqa: E402
import usb_pictures  # noqa: E402
import vector  # noqa: E402
from check import check_all  # noqa: E402
from pngfile import write_png  # noqa: E402

OUT_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "res", "images"))


def generate(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    written = []

    def save(name, width, height, pixels):
        write_png(os.path.join(out_dir, name), width, height, pixels)
        written.append(name)

    for name, draw in usb_pictures.PICTURES.items():
        save(name, usb_pictures.SIZE, usb_pictures.SIZE, draw())

    width, height = toolbar.TOOLBAR_SIZE
    for what, pixel_map in toolbar.PICTURES.items():
        save(f"tb_{what}.png", width, height, toolbar.render(pixel_map, toolbar.LEGEND_24))
        save(f"tb16_{what}.png", width, height, toolbar.render(pixel_map, toolbar.LEGEND_16))

    shapes = app_icon.shapes()
    for size in app_icon.SIZES:
        save(f"icon_{size}.png", size, size, vector.rasterise(shapes, size))
    with open(os.path.join(out_dir, "kavel.svg"), "w", encoding="utf-8") as f:
        f.write(vector.to_svg(shapes, "Kavel"))
    written.append("kavel.svg")
    return written


def main(argv):
    out_dir = OUT_DIR
    if "--check" not in argv:
        for name in generate(out_dir):
            print("wrote", os.path.join(out_dir, name))
    problems = check_all(out_dir)
    for p in problems:
        print("FAIL:", p, file=sys.stderr)
    if problems:
        return 1
    print("all images pass the checks")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
