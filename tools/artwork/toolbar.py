"""Toolbar button images, 16 x 15 pixels, drawn as pixel maps.

Each picture is one pixel map; a legend turns its letters into colours.
The same maps are rendered twice: with the full-colour legend for the
24-bit set, and with a legend that uses only the classic 16 colours.
'.' is always transparent.
"""

TOOLBAR_SIZE = (16, 15)

# The classic 16-colour palette.
CLASSIC_16 = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0),
    "olive": (128, 128, 0), "navy": (0, 0, 128), "purple": (128, 0, 128),
    "teal": (0, 128, 128), "silver": (192, 192, 192), "grey": (128, 128, 128),
    "red": (255, 0, 0), "lime": (0, 255, 0), "yellow": (255, 255, 0),
    "blue": (0, 0, 255), "fuchsia": (255, 0, 255), "aqua": (0, 255, 255),
    "white": (255, 255, 255),
}

# Letter meanings: k outline, w paper, s light metal / paper fold,
# g metal shade, d pivot screw, l text line, b board, B board shade,
# a / t / T light, middle and dark teal.
LEGEND_24 = {
    "k": (36, 40, 44), "w": (255, 255, 255), "s": (218, 224, 228),
    "g": (150, 158, 164), "d": (84, 90, 96), "l": (118, 136, 150),
    "b": (204, 150, 84), "B": (160, 108, 52),
    "a": (72, 190, 190), "t": (0, 144, 144), "T": (0, 100, 100),
}
LEGEND_16 = {
    "k": CLASSIC_16["black"], "w": CLASSIC_16["white"], "s": CLASSIC_16["silver"],
    "g": CLASSIC_16["grey"], "d": CLASSIC_16["black"], "l": CLASSIC_16["grey"],
    "b": CLASSIC_16["olive"], "B": CLASSIC_16["olive"],
    "a": CLASSIC_16["teal"], "t": CLASSIC_16["teal"], "T": CLASSIC_16["teal"],
}

# Scissors: two blades crossing at a screw, teal finger rings below.
CUT = [
    "..k..........k..",
    "..kk........kk..",
    "..ksk......kgk..",
    "...ksk....ksk...",
    "...kssk..ksgk...",
    "....ksskksgk....",
    ".....ksddgk.....",
    ".....kgddgk.....",
    "....ktk..ktk....",
    "..kktk....ktkk..",
    ".kttatk..ktattk.",
    "kt...tk..kt...tk",
    "kt...tk..kt...tk",
    ".kTTTk....kTTTk.",
    "..kkk......kkk..",
]

# Two sheets of paper with text lines, the front one overlapping the back.
COPY = [
    "kkkkkk..........",
    "kwwwwkk.........",
    "kwwwwksk........",
    "kwllwkkkk.......",
    "kwwwwwwwk.......",
    "kwllllkkkkkkk...",
    "kwwwwwkwwwwwkk..",
    "kwllllkwwwwwksk.",
    "kwwwwwkwllllkkkk",
    "kwllllkwwwwwwwwk",
    "kwwwwwkwllllllwk",
    "kkkkkkkwwwwwwwwk",
    "......kwllllllwk",
    "......kwwwwwwwwk",
    "......kkkkkkkkkk",
]

# A clipboard with its metal clip, a sheet of paper lying on it.
PASTE = [
    "....kkkk........",
    "kkkksggskkkk....",
    "kbksssssskBk....",
    "kbbkkkkkkbBk....",
    "kbbbbbbbbbBk....",
    "kbbbbbkkkkkkk...",
    "kbbbbbkwwwwwkk..",
    "kbbbbbkwwwwwksk.",
    "kbbbbbkwllllkkkk",
    "kbbbbbkwwwwwwwwk",
    "kbbbbbkwllllllwk",
    "kbbbbbkwwwwwwwwk",
    "kbbbbbkwllllllwk",
    "kBBBBBkwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
]

# A white "i" in a teal disc, lit from the upper left.
ABOUT = [
    ".....kkkkk......",
    "...kkaaaaakk....",
    "..kaaawwwaatk...",
    ".kaaatwwwtttTk..",
    ".kaattttttttTk..",
    "kaattwwwwttttTk.",
    "kattttwwwttttTk.",
    "kattttwwwttttTk.",
    "kattttwwwttttTk.",
    "ktttttwwwtttTTk.",
    ".kttttwwwttTTk..",
    ".ktttwwwwwTTTk..",
    "..ktttttTTTTk...",
    "...kkTTTTTkk....",
    ".....kkkkk......",
]

PICTURES = {"cut": CUT, "copy": COPY, "paste": PASTE, "about": ABOUT}


def render(pixel_map, legend):
    """Turn a pixel map into RGBA pixels; '.' becomes fully transparent."""
    width, height = TOOLBAR_SIZE
    if len(pixel_map) != height or any(len(row) != width for row in pixel_map):
        raise ValueError("toolbar pixel maps must be 16 x 15")
    pixels = []
    for row in pixel_map:
        for letter in row:
            if letter == ".":
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append(legend[letter] + (255,))
    return pixels
