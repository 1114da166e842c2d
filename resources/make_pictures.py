#!/usr/bin/python3
"""Draws the program's pictures: the hand cursor, the two scroll arrows of the
button bar, every icon (32 x 32 and 16 x 16, 16 colours) and the tool bar
strip. Standard library only; rerun it after changing a drawing:

    /usr/bin/python3 resources/make_pictures.py
"""
import os
import struct
import sys

sys.dont_write_bytecode = True

import picture_designs as d                      # noqa: E402
from picture_canvas import PALETTE, SILVER, Canvas  # noqa: E402

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


# Icon file name (without .ico) and drawing; the resource script names the files.
ICONS = [
    ("icon1", d.tray_clock),            # program, main window and tray
    ("icon2", d.month_plan),            # month plan windows
    ("icon3", d.warning_clock),         # tray while a warning is due
    ("icon4", d.stopwatch),             # "now" buttons of the time entry dialog
    ("icon5", d.plan_file),             # a month plan file
    ("icon6", d.warning),               # note dialog
    ("bb_2", d.month_plan),             # title banner of a month plan window
    ("bb_3", d.flexi_day),
    ("bb_4", d.edit_entry),
    ("bb_5", d.print_plan),
    ("bb_6", d.close_window),
    ("bb_7", d.open_plan),
    ("bb_8", d.options),
    ("bb_9", d.new_plan),
    ("bb_10", d.information),
    ("bb_11", d.public_holiday),
    ("bb_12", d.sick_day),
    ("bb_13", d.vacation),
    ("bb_14", d.work_day),
    ("bb_15", d.come),
    ("bb_16", d.go),
    ("bb_17", d.close_all),
    ("bb_18", d.next_window),
    ("def_default", d.empty_day),
    ("def_gday", d.flexi_day),
    ("def_holiday", d.vacation),
    ("def_account", d.account_correction),
    ("def_sickday", d.sick_day),
    ("def_fday", d.public_holiday),
    ("def_missing", d.missing_day),
    ("def_data", d.times),
    ("def_nosaldo", d.day_without_saldo),
]

# Tool bar images in image-index order; the first 20 carry the tool bar's
# buttons, the rest stand ready for commands without a button.
TOOLBAR = [
    d.new_plan, d.open_plan, d.options, d.print_plan, d.quit_program,
    d.close_window, d.close_all,
    d.work_day, d.flexi_day, d.vacation, d.account_correction, d.sick_day, d.public_holiday,
    d.edit_entry, d.delete_entry, d.copy_entry, d.paste_entry, d.entry_up, d.entry_down,
    d.information,
    d.come, d.go, d.clipboard_export, d.evaluation, d.compute_today, d.delete_plan_file,
]
TOOLBAR_IMAGE = (16, 15)


def render(drawing, size):
    canvas = Canvas(size)
    drawing(canvas)
    return canvas.px


def palette_bytes():
    return b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)


def pack4(row):
    """One DIB row of 4-bit indices, padded to a multiple of four bytes."""
    data = bytearray()
    for x in range(0, len(row), 2):
        high = row[x]
        low = row[x + 1] if x + 1 < len(row) else 0
        data.append((high << 4) | low)
    data += b"\0" * (-len(data) % 4)
    return bytes(data)


def icon16colours(drawing):
    """A .ico with a 32 x 32 and a 16 x 16 image, 4 bits with a transparency mask."""
    images = []
    for size in (32, 16):
        rows = render(drawing, size)
        xor = b"".join(pack4([0 if p is None else p for p in row]) for row in reversed(rows))
        mask = bytearray()
        for row in reversed(rows):
            bits = 0
            for x, p in enumerate(row):
                if p is None:
                    bits |= 1 << (31 - x)
            mask += struct.pack(">I", bits)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
        images.append((size, header + palette_bytes() + xor + bytes(mask)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset + len(data))
        data += image
    return directory + entries + data


def toolbar_strip():
    """The tool bar images side by side on the button face grey, as a 4-bit BMP."""
    width, height = TOOLBAR_IMAGE
    strip = [[SILVER] * (width * len(TOOLBAR)) for _ in range(height)]
    for n, drawing in enumerate(TOOLBAR):
        rows = render(drawing, width)
        # Drop the emptier of the first and last row to fit the image height.
        blank = [sum(p is None for p in rows[0]), sum(p is None for p in rows[-1])]
        rows = rows[1:] if blank[0] > blank[1] else rows[:height]
        for y, row in enumerate(rows):
            for x, p in enumerate(row):
                if p is not None:
                    strip[y][n * width + x] = p
    bits = b"".join(pack4(row) for row in reversed(strip))
    info = struct.pack("<IiiHHIIiiII", 40, len(strip[0]), height, 1, 4, 0, len(bits), 2835, 2835, 16, 0)
    offset = 14 + len(info) + 64
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + info + palette_bytes() + bits


def main():
    os.makedirs(OUT, exist_ok=True)
    write("myhand.cur", monochrome_cursor(HAND, HAND_HOTSPOT))
    write("up.bmp", arrow_button(True))
    write("down.bmp", arrow_button(False))
    for name, drawing in ICONS:
        write(name + ".ico", icon16colours(drawing))
    write("toolbar.bmp", toolbar_strip())


if __name__ == "__main__":
    main()
