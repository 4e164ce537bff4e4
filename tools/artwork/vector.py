"""A tiny anti-aliased renderer that also writes the same shapes as SVG.

Shapes live in a square design space (0..256). Rasterising scales them to
the target size and estimates each pixel's coverage from a grid of
samples, then blends the shape's paint over what is already there.
"""

import math

DESIGN = 256.0


class Paint:
    """A flat colour, or a vertical gradient between two colours."""

    def __init__(self, top, bottom=None, y0=0.0, y1=DESIGN):
        self.top = top
        self.bottom = bottom
        self.y0, self.y1 = y0, y1

    def at(self, y):
        if self.bottom is None:
            return self.top
        t = min(1.0, max(0.0, (y - self.y0) / (self.y1 - self.y0)))
        return tuple(a + (b - a) * t for a, b in zip(self.top, self.bottom))

    def svg_defs(self, ident):
        if self.bottom is None:
            return ""
        return (f'<linearGradient id="{ident}" x1="0" y1="{self.y0:g}" x2="0" y2="{self.y1:g}" '
                f'gradientUnits="userSpaceOnUse">'
                f'<stop offset="0" stop-color="{_hex(self.top)}"/>'
                f'<stop offset="1" stop-color="{_hex(self.bottom)}"/></linearGradient>')

    def svg_ref(self, ident):
        return f"url(#{ident})" if self.bottom is not None else _hex(self.top)


def _hex(rgb):
    return "#%02x%02x%02x" % tuple(int(round(c)) for c in rgb)


class RoundRect:
    def __init__(self, x0, y0, x1, y1, radius, paint):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = radius
        self.paint = paint

    def bbox(self):
        return self.x0, self.y0, self.x1, self.y1

    def inside(self, x, y):
        if not (self.x0 <= x <= self.x1 and self.y0 <= y <= self.y1):
            return False
        # Distance from the inner rectangle whose corners are the arc centres.
        cx = min(max(x, self.x0 + self.r), self.x1 - self.r)
        cy = min(max(y, self.y0 + self.r), self.y1 - self.r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= self.r ** 2

    def svg(self, fill):
        return (f'<rect x="{self.x0:g}" y="{self.y0:g}" width="{self.x1 - self.x0:g}" '
                f'height="{self.y1 - self.y0:g}" rx="{self.r:g}" fill="{fill}"/>')


class Circle:
    def __init__(self, cx, cy, radius, paint):
        self.cx, self.cy, self.r = cx, cy, radius
        self.paint = paint

    def bbox(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r

    def inside(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r ** 2

    def svg(self, fill):
        return f'<circle cx="{self.cx:g}" cy="{self.cy:g}" r="{self.r:g}" fill="{fill}"/>'


class SquareWave:
    """A stroked polyline made only of horizontal and vertical segments.

    Each segment is a rectangle lengthened by half the stroke width at both
    ends, which gives exactly the mitred corners and square ends that the
    SVG version asks for.
    """

    def __init__(self, points, width, paint):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            if ax != bx and ay != by:
                raise ValueError("square wave segments must be horizontal or vertical")
        self.points = points
        self.w = width
        self.paint = paint
        h = width / 2.0
        self.boxes = [(min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h)
                      for (ax, ay), (bx, by) in zip(points, points[1:])]

    def bbox(self):
        return (min(b[0] for b in self.boxes), min(b[1] for b in self.boxes),
                max(b[2] for b in self.boxes), max(b[3] for b in self.boxes))

    def inside(self, x, y):
        return any(b[0] <= x <= b[2] and b[1] <= y <= b[3] for b in self.boxes)

    def svg(self, fill):
        pts = " ".join(f"{x:g},{y:g}" for x, y in self.points)
        return (f'<polyline points="{pts}" fill="none" stroke="{fill}" stroke-width="{self.w:g}" '
                f'stroke-linejoin="miter" stroke-linecap="square"/>')


def rasterise(shapes, size, samples=None):
    """Render shapes (bottom first) into size x size straight-alpha RGBA."""
    if samples is None:
        samples = 8 if size <= 64 else 4
    scale = size / DESIGN
    # Premultiplied accumulation: colour channels already weighted by alpha.
    acc = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for shape in shapes:
        bx0, by0, bx1, by1 = shape.bbox()
        px0, py0 = max(0, int(math.floor(bx0 * scale))), max(0, int(math.floor(by0 * scale)))
        px1, py1 = min(size, int(math.ceil(bx1 * scale))), min(size, int(math.ceil(by1 * scale)))
        for py in range(py0, py1):
            for px in range(px0, px1):
                hits = 0
                for oy in offsets:
                    y = (py + oy) / scale
                    for ox in offsets:
                        if shape.inside((px + ox) / scale, y):
                            hits += 1
                if not hits:
                    continue
                cover = hits / (samples * samples)
                colour = shape.paint.at((py + 0.5) / scale)
                dst = acc[py * size + px]
                for i in range(3):
                    dst[i] = colour[i] * cover + dst[i] * (1 - cover)
                dst[3] = cover + dst[3] * (1 - cover)
    pixels = []
    for r, g, b, a in acc:
        if a <= 0:
            pixels.append((0, 0, 0, 0))
        else:
            pixels.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
    return pixels


def to_svg(shapes, title):
    defs, body = [], []
    for n, shape in enumerate(shapes):
        ident = f"paint{n}"
        d = shape.paint.svg_defs(ident)
        if d:
            defs.append(d)
        body.append(shape.svg(shape.paint.svg_ref(ident)))
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
             f"  <title>{title}</title>"]
    if defs:
        lines.append("  <defs>" + "".join(defs) + "</defs>")
    lines += ["  " + b for b in body]
    lines.append("</svg>")
    return "\n".join(lines) + "\n"
