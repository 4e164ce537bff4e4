#!/usr/bin/env python3
"""Makes the Windows-only resource files from the program's PNG pictures and C++ headers.

  make_resources.py icon OUT.ico PNG...
      a multi-size icon: one entry per PNG (square, 8-bit RGBA), small sizes as 32-bit DIBs
      with their AND mask, large ones as the PNG itself
  make_resources.py bitmap OUT.bmp --depth 4|24 [--mask HEADER] PNG...
      one bitmap of the PNGs side by side (a toolbar strip, or a single picture); 4 bits use
      the standard 16-colour palette and every pixel must be one of its colours; transparent
      pixels take the mask colour that HEADER defines (without it every pixel must be opaque)
  make_resources.py defines OUT.h HEADER...
      the `inline constexpr int NAME = VALUE;` constants of C++ headers as #define lines, for
      the resource compiler, which reads no C++

Only the standard library is used (the PNGs are decoded with zlib).
"""

import argparse
import re
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# Entries at least this wide are stored as PNG inside the icon.
ICON_PNG_MIN_SIZE = 64
# The standard 16-colour palette, in its index order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CONSTANT = re.compile(r"inline\s+constexpr\s+int\s+(\w+)\s*=\s*(-?\d+)\s*;")
BITMAPFILEHEADER = struct.Struct("<2sIHHI")
BITMAPINFOHEADER = struct.Struct("<IiiHHIIiiII")


class Picture:
    """A decoded PNG: rows of (red, green, blue, alpha), top row first."""

    def __init__(self, path):
        self.path = path
        self.data = open(path, "rb").read()
        if self.data[:8] != PNG_SIGNATURE:
            sys.exit(f"{path}: not a PNG")
        header, idat = None, b""
        pos = 8
        while pos < len(self.data):
            length, kind = struct.unpack(">I4s", self.data[pos:pos + 8])
            body = self.data[pos + 8:pos + 8 + length]
            if kind == b"IHDR":
                header = struct.unpack(">IIBBBBB", body)
            elif kind == b"IDAT":
                idat += body
            pos += 12 + length
        self.width, self.height, depth, colour, _, _, interlace = header
        channels = {2: 3, 6: 4}.get(colour)
        if depth != 8 or channels is None or interlace:
            sys.exit(f"{path}: only 8-bit RGB or RGBA, not interlaced")
        self.rows = self._unfilter(zlib.decompress(idat), channels)

    def _unfilter(self, raw, channels):
        stride = self.width * channels
        previous = bytearray(stride)
        rows = []
        for y in range(self.height):
            start = y * (stride + 1)
            kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
            for x in range(stride):
                left = line[x - channels] if x >= channels else 0
                up = previous[x]
                up_left = previous[x - channels] if x >= channels else 0
                line[x] = (line[x] + predict(kind, left, up, up_left)) & 0xFF
            rows.append([tuple(line[x:x + channels]) + (255,) * (4 - channels)
                         for x in range(0, stride, channels)])
            previous = line
        return rows


def predict(kind, left, up, up_left):
    if kind == 0:
        return 0
    if kind == 1:
        return left
    if kind == 2:
        return up
    if kind == 3:
        return (left + up) // 2
    estimate = left + up - up_left
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - up_left))
    return (left, up, up_left)[distances.index(min(distances))]


def read_constants(paths):
    constants = {}
    for path in paths:
        constants.update((name, int(value)) for name, value in CONSTANT.findall(open(path).read()))
    return constants


def dib(width, height, depth, bottom_up_rows, palette=(), height_factor=1):
    """A BITMAPINFOHEADER, the palette and the pixel rows (each padded to 4 bytes)."""
    pixels = b"".join(row + b"\0" * (-len(row) % 4) for row in bottom_up_rows)
    header = BITMAPINFOHEADER.pack(BITMAPINFOHEADER.size, width, height * height_factor, 1,
                                   depth, 0, len(pixels), 0, 0, len(palette), 0)
    colours = b"".join(bytes((blue, green, red, 0)) for red, green, blue in palette)
    return header + colours + pixels


def pack_nibbles(indices):
    indices = indices + [0] * (len(indices) % 2)
    return bytes(indices[i] << 4 | indices[i + 1] for i in range(0, len(indices), 2))


def icon_entry(picture):
    if picture.width >= ICON_PNG_MIN_SIZE:
        return picture.data
    rows = picture.rows[::-1]
    colour = [b"".join(bytes((b, g, r, a)) for r, g, b, a in row) for row in rows]
    mask = []
    for row in rows:
        bits = "".join("1" if a == 0 else "0" for _, _, _, a in row)
        bits += "0" * (-len(bits) % 8)
        mask.append(bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8)))
    # An icon's DIB counts the colour and the mask rows in its height.
    return dib(picture.width, picture.height, 32, colour, height_factor=2) + b"".join(
        row + b"\0" * (-len(row) % 4) for row in mask)


def make_icon(out, pictures):
    entries = [icon_entry(p) for p in pictures]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    for picture, entry in zip(pictures, entries):
        size = picture.width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
    out.write(directory + b"".join(entries))


def strip_rows(pictures, mask):
    """The pictures side by side, transparent pixels replaced by the mask colour."""
    height = pictures[0].height
    if any(p.height != height for p in pictures):
        sys.exit("the pictures of one bitmap must be equally high")
    rows = []
    for y in range(height):
        row = []
        for picture in pictures:
            for red, green, blue, alpha in picture.rows[y]:
                if alpha not in (0, 255) or (alpha == 0 and mask is None):
                    sys.exit(f"{picture.path}: a pixel is not opaque (give --mask for "
                             "transparent ones)")
                row.append(mask if alpha == 0 else (red, green, blue))
        rows.append(row)
    return rows


def make_bitmap(out, pictures, depth, mask):
    rows = strip_rows(pictures, mask)[::-1]
    width = len(rows[0])
    palette = VGA16 if depth == 4 else []
    if depth == 4:
        unknown = {pixel for row in rows for pixel in row} - set(VGA16)
        if unknown:
            sys.exit(f"colours outside the 16-colour palette: {sorted(unknown)}")
        packed = [pack_nibbles([VGA16.index(pixel) for pixel in row]) for row in rows]
    else:
        packed = [b"".join(bytes((b, g, r)) for r, g, b in row) for row in rows]
    body = dib(width, len(rows), depth, packed, palette)
    pixels_at = BITMAPFILEHEADER.size + BITMAPINFOHEADER.size + 4 * len(palette)
    out.write(BITMAPFILEHEADER.pack(b"BM", BITMAPFILEHEADER.size + len(body), 0, 0, pixels_at)
              + body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kind", choices=("icon", "bitmap", "defines"))
    parser.add_argument("out")
    parser.add_argument("inputs", nargs="+")
    parser.add_argument("--depth", type=int, choices=(4, 24), default=24)
    parser.add_argument("--mask", help="header that defines kToolbarMaskRed, Green, Blue")
    args = parser.parse_args()
    with open(args.out, "w" if args.kind == "defines" else "wb") as out:
        if args.kind == "defines":
            out.write("// Generated from the program's C++ headers; do not edit.\n")
            for name, value in read_constants(args.inputs).items():
                out.write(f"#define {name} {value}\n")
        elif args.kind == "icon":
            make_icon(out, [Picture(path) for path in args.inputs])
        else:
            mask = None
            if args.mask:
                constants = read_constants([args.mask])
                mask = tuple(constants[f"kToolbarMask{c}"] for c in ("Red", "Green", "Blue"))
            make_bitmap(out, [Picture(path) for path in args.inputs], args.depth, mask)


if __name__ == "__main__":
    main()
