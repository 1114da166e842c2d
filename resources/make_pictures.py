#!/usr/bin/python3
"""Draws the framework's pictures: the hand cursor and the two scroll arrows
of the button bar. Standard library only; rerun it after changing a drawing:

    /usr/bin/python3 resources/make_pictures.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")

# 32 x 32 pointing hand. '#' black, '.' white, anything else transparent.
# The hot spot is the tip of the index finger.
HAND = [
    "                                ",
    "          ##                    ",
    "         #..#                   ",
    "         #..#                   ",
    "         #..#                   ",
    "         #..#                   ",
    "         #..###                 ",
    "         #..#..###              ",
    "         #..#..#..##            ",
    "      ## #..#..#..#.#           ",
    "     #..##.........#.#          ",
    "     #...#...........#          ",
    "      #..............#          ",
    "       #.............#          ",
    "       #............#           ",
    "        #...........#           ",
    "        #..........#            ",
    "         #.........#            ",
    "         #.........#            ",
    "         ###########            ",
]
HAND += [" " * 32] * (32 - len(HAND))
HAND_HOTSPOT = (10, 1)


def write(name, data):
    path = os.path.join(OUT, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, os.path.dirname(HERE)))


def monochrome_cursor(rows, hotspot):
    """A .cur file with one 32 x 32 two-colour image (XOR and AND masks)."""
    size = len(rows)
    xor_rows, and_rows = [], []
    for row in reversed(rows):          # DIB rows run bottom-up
        xor_bits = and_bits = 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == ".":
                xor_bits |= bit
            elif c != "#":
                and_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    return directory + entry + image


def bmp24(width, height, pixel):
    """A 24-bit BMP file; pixel(x, y) gives (r, g, b), y = 0 is the top row."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return file_header + info + bits


def arrow_button(pointing_up):
    """13 x 13 raised grey button with a black triangle."""
    size = 13
    face, light, shadow, dark = (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 0)

    def pixel(x, y):
        if x == size - 1 or y == size - 1:
            return dark
        if x == 0 or y == 0:
            return light
        if x == size - 2 or y == size - 2:
            return shadow
        row = (y - 4) if pointing_up else (8 - y)   # 0 at the tip, 4 at the base
        if 0 <= row <= 4 and abs(x - 6) <= row:
            return dark
        return face
    return bmp24(size, size, pixel)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("myhand.cur", monochrome_cursor(HAND, HAND_HOTSPOT))
    write("up.bmp", arrow_button(True))
    write("down.bmp", arrow_button(False))


if __name__ == "__main__":
    main()
