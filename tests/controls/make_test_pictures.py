#!/usr/bin/python3
"""Draws the pictures the control tests build into their test program: three
32 x 32 icons for button-bar items and banners, and small BMP files that
exercise each path of the DIB loader. Standard library only:

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


# 16 distinct colours, stored as (r, g, b).
PALETTE16 = [(i * 16, 255 - i * 16, (i * 37) % 256) for i in range(16)]


def core16():
    """4 x 2 pixels, 4 bits, old 12-byte core header with RGBTRIPLE colours."""
    core = struct.pack("<IHHHH", 12, 4, 2, 1, 4)
    table = b"".join(bytes((b, g, r)) for r, g, b in PALETTE16)
    # Bottom row indices 0 1 2 3, top row 12 13 14 15; rows padded to 4 bytes.
    bits = bytes((0x01, 0x23, 0, 0, 0xCD, 0xEF, 0, 0))
    offset = 14 + len(core) + len(table)
    return file_header(offset + len(bits), offset) + core + table + bits


def rgb24_no_offset(size_image=0):
    """3 x 2 pixels, 24 bits, no colour table; bfOffBits 0 (bits follow).
    biSizeImage 0, or a stated size larger than the 24 bytes of rows."""
    info = struct.pack("<IiiHHIIiiII", 40, 3, 2, 1, 24, 0, size_image, 0, 0, 0, 0)
    bottom = bytes((0, 0, 255, 0, 255, 0, 255, 0, 0)) + b"\0\0\0"      # red, green, blue
    top = bytes((255, 255, 255, 0, 0, 0, 0, 255, 255)) + b"\0\0\0"     # white, black, yellow
    bits = (bottom + top).ljust(size_image, b"\0")
    return file_header(14 + len(info) + len(bits), 0) + info + bits


def size0_8bit(size_image=0):
    """10 x 3 pixels, 8 bits, biClrUsed 0: a full 256-entry table. biSizeImage
    0, or a stated size too small for the rows (12 bytes: one row of three)."""
    info = struct.pack("<IiiHHIIiiII", 40, 10, 3, 1, 8, 0, size_image, 0, 0, 0, 0)
    table = b"".join(bytes((i, i, 255 - i, 0)) for i in range(256))
    bits = b"".join(bytes(range(row * 10, row * 10 + 10)) + b"\0\0" for row in range(3))
    offset = 14 + len(info) + len(table)
    return file_header(offset + len(bits), offset) + info + table + bits


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
    write("core16.bmp", core16())
    write("rgb24.bmp", rgb24_no_offset())
    write("size0.bmp", size0_8bit())
    write("huge.bmp", huge_header())
    write("hugestated.bmp", huge_header(4))
    write("smallsize.bmp", size0_8bit(12))
    write("bigsize.bmp", rgb24_no_offset(40))


if __name__ == "__main__":
    main()
