"""Makes sure the image checks reject broken files and accept the real ones.

Run: python3 tools/artwork/test_check.py
"""

import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import check  # noqa: E402
import toolbar  # noqa: E402
import usb_pictures  # noqa: E402
from generate import OUT_DIR, generate  # noqa: E402
from pngfile import read_png, write_png  # noqa: E402

TEAL, WHITE = usb_pictures.TEAL, usb_pictures.WHITE


class CheckTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.dir)

    def _write(self, name, width, height, pixels):
        path = os.path.join(self.dir, name)
        write_png(path, width, height, pixels)
        return path

    def test_drawn_pictures_pass(self):
        generate(self.dir)
        self.assertEqual(check.check_all(self.dir), [])

    def test_committed_pictures_match_the_generator(self):
        # The files in res/images must be what the generator draws now.
        generate(self.dir)
        for name in sorted(os.listdir(self.dir)):
            with self.subTest(name=name):
                committed = os.path.join(OUT_DIR, name)
                self.assertTrue(os.path.exists(committed), f"{name} missing from res/images")
                if name.endswith(".png"):
                    self.assertEqual(read_png(committed), read_png(os.path.join(self.dir, name)))

    def test_png_round_trip(self):
        pixels = [(x * 5, y * 7, 200, 255 - x) for y in range(9) for x in range(13)]
        path = self._write("rt.png", 13, 9, pixels)
        self.assertEqual(read_png(path), (13, 9, 4, pixels))

    def test_extra_shade_is_rejected(self):
        pixels = usb_pictures.usb_connected()
        pixels[10 * 50 + 10] = (0, 127, 128)  # one anti-aliased looking pixel
        problems = check.check_usb_picture(self._write("a.png", 50, 50, pixels), corners_teal=True)
        self.assertTrue(any("colours outside" in p for p in problems), problems)

    def test_alpha_channel_is_rejected(self):
        pixels = [px + (255,) for px in usb_pictures.usb_connected()]
        problems = check.check_usb_picture(self._write("a.png", 50, 50, pixels), corners_teal=True)
        self.assertTrue(any("alpha" in p for p in problems), problems)

    def test_wrong_size_is_rejected(self):
        problems = check.check_usb_picture(self._write("a.png", 49, 50, [TEAL] * (49 * 50)), True)
        self.assertTrue(any("size" in p for p in problems), problems)

    def test_white_corner_on_framed_picture_is_rejected(self):
        pixels = usb_pictures.usb_connected()
        pixels[49 * 50 + 49] = WHITE
        problems = check.check_usb_picture(self._write("a.png", 50, 50, pixels), corners_teal=True)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("(49,49)", problems[0])

    def test_disc_picture_rules(self):
        # A plain teal square has teal corners, which the disc picture must not.
        teal_square = self._write("b.png", 50, 50, [TEAL] * 2500)
        self.assertTrue(check.check_usb_picture(teal_square, corners_teal=False))
        # A white centre is rejected too.
        pixels = usb_pictures.usb_disconnected()
        pixels[25 * 50 + 25] = WHITE
        problems = check.check_usb_picture(self._write("c.png", 50, 50, pixels), corners_teal=False)
        self.assertTrue(any("centre" in p for p in problems), problems)

    def test_toolbar_colour_and_alpha_rules(self):
        full = self._write("t.png", 16, 15, toolbar.render(toolbar.CUT, toolbar.LEGEND_24))
        self.assertEqual(check.check_toolbar_image(full, classic_only=False), [])
        # The 24-bit legend has shades outside the 16-colour palette.
        self.assertTrue(check.check_toolbar_image(full, classic_only=True))
        half_alpha = [(0, 0, 0, 128) if a == 0 else (r, g, b, a)
                      for (r, g, b, a) in toolbar.render(toolbar.CUT, toolbar.LEGEND_16)]
        path = self._write("h.png", 16, 15, half_alpha)
        self.assertTrue(any("partial" in p for p in check.check_toolbar_image(path, True)))

    def test_broken_svg_is_rejected(self):
        path = os.path.join(self.dir, "kavel.svg")
        with open(path, "w", encoding="utf-8") as f:
            f.write('<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 256 256"><rect/>')
        self.assertTrue(any("well-formed" in p for p in check.check_svg(path)))


if __name__ == "__main__":
    unittest.main()
