"""Minimal PNG writer and reader built on zlib (standard library only).

Images are handled as a width, a height and a row-major list of pixels.
A pixel is an (r, g, b) tuple for RGB images or (r, g, b, a) for RGBA.
"""

import struct
import zlib

_SIGNATURE = b"\x89PNG\r\n\x1a\n"
_COLOUR_TYPE_RGB = 2
_COLOUR_TYPE_INDEXED = 3
_COLOUR_TYPE_RGBA = 6
_CHANNELS = {_COLOUR_TYPE_RGB: 3, _COLOUR_TYPE_RGBA: 4}


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def write_png(path, width, height, pixels):
    """Write 8-bit RGB or RGBA pixels; the pixel tuple length picks the type.

    Every row uses filter type 0 (none), so the bytes of each pixel appear
    unchanged in the compressed stream. No gamma or colour-profile chunks are
    written, so viewers show the exact values given here.
    """
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the size")
    channels = len(pixels[0])
    colour_type = {3: _COLOUR_TYPE_RGB, 4: _COLOUR_TYPE_RGBA}[channels]
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for px in pixels[y * width:(y + 1) * width]:
            if len(px) != channels:
                raise ValueError("mixed pixel formats")
            raw.extend(px)
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(_SIGNATURE)
        out.write(_chunk(b"IHDR", header))
        out.write(_chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(_chunk(b"IEND", b""))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Read an 8-bit, non-interlaced RGB, RGBA or palette PNG.

    Returns (width, height, channels, pixels), where channels is 3 or 4.
    Palette images are expanded to RGB, or to RGBA when they carry tRNS.
    All five row filters are decoded, so files re-saved by other tools can
    be checked too.
    """
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != _SIGNATURE:
        raise ValueError(f"{path}: not a PNG file")
    pos = 8
    idat = bytearray()
    header = None
    palette = None
    alpha_table = None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) != crc:
            raise ValueError(f"{path}: bad CRC in {kind!r} chunk")
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            alpha_table = list(body)
        elif kind == b"IDAT":
            idat.extend(body)
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or interlace != 0:
        raise ValueError(f"{path}: only 8-bit, non-interlaced PNGs are read")
    if colour_type == _COLOUR_TYPE_INDEXED:
        bpp = 1
    elif colour_type in _CHANNELS:
        bpp = _CHANNELS[colour_type]
    else:
        raise ValueError(f"{path}: unsupported colour type {colour_type}")

    raw = zlib.decompress(bytes(idat))
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        kind = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = prev[i]
            up_left = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, up_left)) & 0xFF
            elif kind != 0:
                raise ValueError(f"{path}: bad row filter {kind}")
        rows.append(line)
        prev = line

    pixels = []
    if colour_type == _COLOUR_TYPE_INDEXED:
        channels = 4 if alpha_table is not None else 3
        for line in rows:
            for index in line:
                rgb = palette[index]
                if channels == 4:
                    a = alpha_table[index] if index < len(alpha_table) else 255
                    pixels.append(rgb + (a,))
                else:
                    pixels.append(rgb)
    else:
        channels = bpp
        for line in rows:
            for x in range(width):
                pixels.append(tuple(line[x * bpp:(x + 1) * bpp]))
    return width, height, channels, pixels
