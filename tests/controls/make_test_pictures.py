#!/usr/bin/python3
"""Draws the pictures the control tests build into their test program: three
32 x 32 icons for button-bar items and banners, and small damaged BMP
files the DIB loader must refuse. Standard library only:

    /usr/bin/python3 tests/controls/make_test_pictures.py
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "tests", "controls", "data")


def write(name, data):
    path = os.path.join(OUT, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT))


def icon32(pixel):
    """A .ico with one 32 x 32 32-bit image; pixel(x, y) -> (r, g, b, a) or None."""
    size = 32
    colour_rows, mask_rows = [], []
    for y in reversed(range(size)):
        row = bytearray()
        mask = 0
        for x in range(size):
            p = pixel(x, y)
            if p is None:
                row += b"\0\0\0\0"
                mask |= 1 << (31 - x)
            else:
                r, g, b = p
                row += bytes((b, g, r, 255))
        colour_rows.append(bytes(row))
        mask_rows.append(struct.pack(">I", mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b"".join(colour_rows) + b"".join(mask_rows)
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image


def clock(x, y):
    dx, dy = x - 15.5, y - 15.5
    r = math.hypot(dx, dy)
    if r > 15:
        return None
    if r > 13:
        return (30, 60, 140)
    if (abs(dx) < 1.2 and -11 < dy < 0) or (abs(dy) < 1.2 and 0 < dx < 8):
        return (20, 20, 20)
    return (250, 250, 235)


def calendar(x, y):
    if not (2 <= x <= 29 and 3 <= y <= 29):
        return None
    if y <= 9:
        return (190, 30, 30)
    if x in (2, 29) or y == 29:
        return (80, 80, 80)
    if (x - 4) % 6 < 3 and (y - 12) % 6 < 3 and y < 28 and x < 28:
        return (60, 60, 60)
    return (255, 255, 255)


def sun(x, y):
    dx, dy = x - 15.5, y - 15.5
    r = math.hypot(dx, dy)
    if r < 8:
        return (255, 200, 0)
    angle = math.atan2(dy, dx)
    if r < 15 and abs(math.sin(4 * angle)) < 0.25:
        return (240, 140, 0)
    return None


def file_header(size, bits_offset):
    return struct.pack("<2sIHHI", b"BM", size, 0, 0, bits_offset)


def huge_header(size_image=0):
    """A damaged header claiming 2^31 x 2^31 pixels of 24 bits, with no size or
    a tiny stated one: must be refused, not allocated."""
    info = struct.pack("<IiiHHIIiiII", 40, 0x7FFFFFFF, -0x7FFFFFFF, 1, 24, 0, size_image, 0, 0, 0, 0)
    return file_header(14 + len(info), 0) + info


def main():
    os.makedirs(OUT, exist_ok=True)
    write("clock.ico", icon32(clock))
    write("calendar.ico", icon32(calendar))
    write("sun.ico", icon32(sun))
    write("notbm.bin", b"PK" + bytes(60))
    write("huge.bmp", huge_header())
    write("hugestated.bmp", huge_header(4))


if __name__ == "__main__":
    main()
