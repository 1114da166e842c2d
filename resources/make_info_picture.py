#!/usr/bin/python3
"""Draws the about box picture "InfoBitmap": 277 x 237 pixels, 256 colours,
RLE8-compressed, with its bits right after the full colour table (offset
1078). The about box's texts stand on it transparently, so the picture stays
light where they are: a pale gradient, a clock at the top left, an accent
rule and a small week chart standing on its right end. The bottom belongs to
the OK button, which moves right and down with a wider dialog font while the
picture keeps its size. Standard library only:

    /usr/bin/python3 resources/make_info_picture.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images", "info.bmp")
WIDTH, HEIGHT = 277, 237

# Palette: 0..63 the background gradient, then the drawing colours.
GRADIENT = 64
TOP, BOTTOM = (206, 222, 244), (252, 253, 255)
INK = {
    "white": (255, 255, 255),
    "rim": (30, 60, 120),
    "mark": (70, 90, 130),
    "hand": (20, 30, 60),
    "second": (200, 40, 40),
    "accent": (60, 110, 190),
    "bar": (120, 160, 220),
    "bar_edge": (60, 100, 170),
    "shadow": (180, 195, 220),
}
PALETTE = [tuple(round(TOP[c] + (BOTTOM[c] - TOP[c]) * i / (GRADIENT - 1)) for c in range(3))
           for i in range(GRADIENT)]
INDEX = {}
for name, rgb in INK.items():
    INDEX[name] = len(PALETTE)
    PALETTE.append(rgb)
PALETTE += [(0, 0, 0)] * (256 - len(PALETTE))


def background():
    return [[(y * (GRADIENT - 1)) // (HEIGHT - 1)] * WIDTH for y in range(HEIGHT)]


def disc(px, cx, cy, r, colour):
    for y in range(max(0, int(cy - r - 1)), min(HEIGHT, int(cy + r + 2))):
        for x in range(max(0, int(cx - r - 1)), min(WIDTH, int(cx + r + 2))):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                px[y][x] = colour


def stroke(px, x0, y0, x1, y1, width, colour):
    """A straight stroke of the given width between two points."""
    lx, ly = x1 - x0, y1 - y0
    length2 = lx * lx + ly * ly or 1e-9
    for y in range(max(0, int(min(y0, y1) - width)), min(HEIGHT, int(max(y0, y1) + width + 1))):
        for x in range(max(0, int(min(x0, x1) - width)), min(WIDTH, int(max(x0, x1) + width + 1))):
            t = max(0.0, min(1.0, ((x + 0.5 - x0) * lx + (y + 0.5 - y0) * ly) / length2))
            if math.hypot(x + 0.5 - x0 - t * lx, y + 0.5 - y0 - t * ly) <= width / 2:
                px[y][x] = colour


def box(px, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            px[y][x] = colour


def clock(px, cx, cy, r):
    disc(px, cx + 3, cy + 3, r, INDEX["shadow"])
    disc(px, cx, cy, r, INDEX["rim"])
    disc(px, cx, cy, r - 4, INDEX["white"])
    for hour in range(12):
        a = math.radians(hour * 30)
        inner = r - (12 if hour % 3 == 0 else 9)
        stroke(px, cx + inner * math.sin(a), cy - inner * math.cos(a),
               cx + (r - 6) * math.sin(a), cy - (r - 6) * math.cos(a),
               3 if hour % 3 == 0 else 1.5, INDEX["mark"])
    # Eight o'clock sharp: the start of a working day.
    stroke(px, cx, cy, cx + 0.5 * r * math.sin(math.radians(240)), cy - 0.5 * r * math.cos(math.radians(240)),
           4, INDEX["hand"])
    stroke(px, cx, cy, cx, cy - 0.78 * r, 3, INDEX["hand"])
    stroke(px, cx, cy, cx + 0.8 * r * math.sin(math.radians(100)), cy - 0.8 * r * math.cos(math.radians(100)),
           1.2, INDEX["second"])
    disc(px, cx, cy, 3, INDEX["hand"])


def week_chart(px, left, base):
    """Five working days as bars on the rule: hours against the day's target
    line."""
    scale = 2.5
    for n, hours in enumerate((8.0, 8.5, 7.5, 9.0, 6.0)):
        x = left + n * 13
        top = base - int(hours * scale)
        box(px, x, top, x + 9, base, INDEX["bar_edge"])
        box(px, x + 1, top + 1, x + 8, base, INDEX["bar"])
    target = base - int(8.0 * scale)
    stroke(px, left - 3, target, left + 5 * 13, target, 1, INDEX["second"])


def rle8(px):
    """Encoded runs only (count, colour), rows bottom-up, each ended by 0 0."""
    out = bytearray()
    for row in reversed(px):
        x = 0
        while x < WIDTH:
            run = 1
            while x + run < WIDTH and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x00"
    out[-2:] = b"\x00\x01"                       # the last end of line becomes end of bitmap
    return bytes(out)


def main():
    px = background()
    clock(px, 46, 50, 34)
    week_chart(px, WIDTH - 12 - 5 * 13, 99)
    stroke(px, 12, 100, WIDTH - 12, 100, 2, INDEX["accent"])
    bits = rle8(px)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(colours)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, len(bits), 2835, 2835, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "wb") as f:
        f.write(header + info + colours + bits)
    print("wrote", os.path.relpath(OUT, os.path.dirname(HERE)))


if __name__ == "__main__":
    main()
