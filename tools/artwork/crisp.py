"""Hard-edged pixel drawing: shapes are tested at pixel centres, no blending.

A Mask is the set of pixels whose centre lies inside a shape. Masks can be
combined, shrunk by one pixel to get an outline, and painted onto a Canvas
in a single colour, so a picture never gains colours it was not given.
"""

import math


class Mask:
    def __init__(self, width, height, cells=None):
        self.width = width
        self.height = height
        self.cells = set(cells or ())

    @classmethod
    def from_test(cls, width, height, inside):
        """Pixels whose centre (x + 0.5, y + 0.5) satisfies inside(px, py)."""
        return cls(width, height, ((x, y) for y in range(height)
                                   for x in range(width)
                                   if inside(x + 0.5, y + 0.5)))

    def __or__(self, other):
        return Mask(self.width, self.height, self.cells | other.cells)

    def __and__(self, other):
        return Mask(self.width, self.height, self.cells & other.cells)

    def __sub__(self, other):
        return Mask(self.width, self.height, self.cells - other.cells)

    def shrunk(self):
        """Pixels of the mask whose four direct neighbours are all in it."""
        return Mask(self.width, self.height, (
            (x, y) for (x, y) in self.cells
            if {(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)} <= self.cells))

    def rim(self):
        """The one-pixel border of the mask (mask minus its shrunk self)."""
        return self - self.shrunk()


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [background] * (width * height)

    def paint(self, mask, colour):
        for (x, y) in mask.cells:
            if 0 <= x < self.width and 0 <= y < self.height:
                self.pixels[y * self.width + x] = colour

    def paint_outlined(self, mask, fill, outline):
        """Fill a shape and draw its one-pixel border in a second colour."""
        self.paint(mask, outline)
        self.paint(mask.shrunk(), fill)

    def set(self, x, y, colour):
        self.pixels[y * self.width + x] = colour


class Frame:
    """A rotated coordinate system, so shapes can be drawn along a diagonal.

    Local u runs along `angle_deg` (measured counter-clockwise on screen,
    i.e. with y pointing up), local v runs 90 degrees clockwise from u.
    Shapes are given as axis-aligned boxes in (u, v) around `origin`.
    """

    def __init__(self, width, height, origin, angle_deg):
        self.width = width
        self.height = height
        self.ox, self.oy = origin
        a = math.radians(angle_deg)
        self.ux, self.uy = math.cos(a), -math.sin(a)  # screen y points down
        self.vx, self.vy = -self.uy, self.ux

    def local(self, px, py):
        dx, dy = px - self.ox, py - self.oy
        return dx * self.ux + dy * self.uy, dx * self.vx + dy * self.vy

    def point(self, u, v):
        """Screen position of the local point (u, v)."""
        return (self.ox + u * self.ux + v * self.vx, self.oy + u * self.uy + v * self.vy)

    def box(self, u0, u1, v0, v1):
        """Pixels inside the local box u0 <= u <= u1, v0 <= v <= v1."""
        def inside(px, py):
            u, v = self.local(px, py)
            return u0 <= u <= u1 and v0 <= v <= v1
        return Mask.from_test(self.width, self.height, inside)

    def polygon(self, points):
        """Pixels inside a polygon given by local (u, v) corners."""
        def inside(px, py):
            return point_in_polygon(self.local(px, py), points)
        return Mask.from_test(self.width, self.height, inside)


def rect(width, height, x0, y0, x1, y1):
    """Pixels with x0 <= x < x1 and y0 <= y < y1 (integer pixel box)."""
    return Mask(width, height, ((x, y) for y in range(max(0, y0), min(height, y1))
                                for x in range(max(0, x0), min(width, x1))))


def disc(width, height, cx, cy, r):
    return Mask.from_test(width, height,
                          lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r)


def point_in_polygon(point, corners):
    x, y = point
    inside = False
    n = len(corners)
    for i in range(n):
        (x1, y1), (x2, y2) = corners[i], corners[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            cross_x = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < cross_x:
                inside = not inside
    return inside


def thick_curve(width, height, points, thickness):
    """Pixels within thickness/2 of a polyline through the given points."""
    half = thickness / 2.0

    def distance_to_segment(px, py, a, b):
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
        return math.hypot(px - (ax + t * dx), py - (ay + t * dy))

    def inside(px, py):
        return any(distance_to_segment(px, py, points[i], points[i + 1]) <= half
                   for i in range(len(points) - 1))
    return Mask.from_test(width, height, inside)


def bezier(p0, p1, p2, p3, steps=40):
    """Points along a cubic Bezier curve, for use with thick_curve."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        s = 1 - t
        out.append((s ** 3 * p0[0] + 3 * s * s * t * p1[0] + 3 * s * t * t * p2[0] + t ** 3 * p3[0],
                    s ** 3 * p0[1] + 3 * s * s * t * p1[1] + 3 * s * t * t * p2[1] + t ** 3 * p3[1]))
    return out
