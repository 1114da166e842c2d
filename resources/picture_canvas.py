"""A small raster canvas for the program's 16-colour pictures.

Pictures are described once in a 32 x 32 design space and rendered at 32 and
16 pixels: shapes are tested at each pixel's centre, outlines are one device
pixel wide at every size, so a picture stays crisp at both sizes. Pixels hold
an index into the standard 16-colour palette, or None for transparent.
"""
import math

# The standard VGA/Windows 16-colour palette, in DIB colour-table order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

DESIGN = 32


# Shapes: predicates on continuous design coordinates.

def rect(x0, y0, x1, y1):
    """Design pixels x0..x1 and y0..y1, both inclusive."""
    return lambda x, y: x0 <= x < x1 + 1 and y0 <= y < y1 + 1


def ellipse(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def polygon(points):
    """Even-odd fill of a closed polygon with continuous corner points."""
    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# Pixel fonts: small for 16-pixel pictures, large for 32-pixel ones.
FONT_SMALL = {
    "G": ["###", "#..", "#.#", "#.#", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "?": ["##.", "..#", ".#.", "...", ".#."],
    "!": ["#", "#", "#", ".", "#"],
}
FONT_LARGE = {
    "G": [".####.", "##..##", "##....", "##....", "##.###", "##..##", "##..##", "##..##", ".####."],
    "T": ["######", "######", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##.."],
    "F": ["######", "######", "##....", "##....", "#####.", "#####.", "##....", "##....", "##...."],
    "?": [".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."],
    "!": ["###", "###", "###", "###", "###", "###", "...", "###", "###"],
}


class Canvas:
    def __init__(self, width, height=None):
        self.w = width
        self.h = width if height is None else height
        self.k = width / DESIGN                      # device pixels per design unit
        self.small = width < 24
        self.px = [[None] * self.w for _ in range(self.h)]

    def put(self, i, j, colour):
        if 0 <= i < self.w and 0 <= j < self.h:
            self.px[j][i] = colour

    def dev(self, v):
        """Device pixel of the design pixel v."""
        return math.floor((v + 0.5) * self.k)

    def mask(self, shape):
        k = self.k
        return [[shape((i + 0.5) / k, (j + 0.5) / k) for i in range(self.w)] for j in range(self.h)]

    def fill(self, shape, colour, edge=None):
        """Fills a shape; with edge, its border pixels (one device pixel) in that colour."""
        m = self.mask(shape)
        for j in range(self.h):
            for i in range(self.w):
                if not m[j][i]:
                    continue
                border = any(not (0 <= i + di < self.w and 0 <= j + dj < self.h and m[j + dj][i + di])
                             for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                self.px[j][i] = edge if border and edge is not None else colour

    def line(self, x0, y0, x1, y1, colour, width=1):
        """A line between design pixels; width in device pixels."""
        if width <= 1:
            self._bresenham(self.dev(x0), self.dev(y0), self.dev(x1), self.dev(y1), colour)
            return
        k = self.k
        ax, ay, bx, by = (x0 + 0.5) * k, (y0 + 0.5) * k, (x1 + 0.5) * k, (y1 + 0.5) * k
        length2 = (bx - ax) ** 2 + (by - ay) ** 2 or 1e-9
        for j in range(self.h):
            for i in range(self.w):
                px, py = i + 0.5, j + 0.5
                t = max(0.0, min(1.0, ((px - ax) * (bx - ax) + (py - ay) * (by - ay)) / length2))
                if math.hypot(px - ax - t * (bx - ax), py - ay - t * (by - ay)) <= width / 2:
                    self.px[j][i] = colour

    def _bresenham(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def text(self, chars, cx, cy, colour, scale=1, large=False):
        """Text centred on the design point (cx, cy) in the font of this size, or large."""
        font = FONT_LARGE if large or not self.small else FONT_SMALL
        glyphs = [font[ch] for ch in chars]
        width = (sum(len(g[0]) for g in glyphs) + len(glyphs) - 1) * scale
        height = len(glyphs[0]) * scale
        x = math.floor(cx * self.k - width / 2 + 0.5)
        y = math.floor(cy * self.k - height / 2 + 0.5)
        for glyph in glyphs:
            for row, bits in enumerate(glyph):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        for a in range(scale):
                            for b in range(scale):
                                self.put(x + col * scale + a, y + row * scale + b, colour)
            x += (len(glyph[0]) + 1) * scale
