"""The program's pictures, each drawn on a Canvas in the 32 x 32 design space.

Parts (sheet, clock, arrow, ...) are shared so that the same idea looks the
same in the icons, the button bar and the tool bar.
"""
import math

from picture_canvas import (BLACK, BLUE, GREEN, GREY, LIME, MAROON, NAVY, OLIVE, RED, SILVER,
                            TEAL, WHITE, YELLOW, ellipse, minus, polygon, rect, union)


def px(c, large, small):
    """A width in device pixels: one for 32-pixel pictures, one for smaller ones."""
    return small if c.small else large


# Parts used by several pictures

def sheet(c, x0, y0, x1, y1, paper=WHITE, fold=6):
    """A paper sheet with a folded top right corner."""
    r, b = x1 + 1, y1 + 1
    c.fill(polygon([(x0, y0), (r - fold, y0), (r, y0 + fold), (r, b), (x0, b)]), paper, BLACK)
    c.fill(polygon([(r - fold, y0), (r - fold, y0 + fold), (r, y0 + fold)]), SILVER, BLACK)


def ruled_lines(c, x0, x1, ys, colour=GREY):
    for y in ys:
        c.line(x0, y, x1, y, colour)


def calendar_page(c, x0, y0, x1, y1, header):
    """A calendar sheet with a coloured header band and two binding rings."""
    c.fill(rect(x0, y0, x1, y1), WHITE, BLACK)
    c.fill(rect(x0, y0, x1, y0 + 7), header, BLACK)
    for rx in (x0 + (x1 - x0) // 4, x1 - (x1 - x0) // 4):
        c.fill(rect(rx - 1, y0 - 3, rx + 1, y0 + 2), SILVER, BLACK)


def day_page(c, letters, colour):
    """A single calendar day marked with the code letters of its kind."""
    calendar_page(c, 3, 5, 28, 29, colour)
    c.text(letters, 16, 19.5, colour, 1)


def clock(c, cx, cy, r, ring, face=WHITE):
    c.fill(ellipse(cx, cy, r), ring, BLACK)
    inner = r - px(c, 3, 2) / c.k
    c.fill(ellipse(cx, cy, inner), face)
    if not c.small:
        for dx, dy in ((0, -1), (1, 0), (0, 1), (-1, 0)):
            c.line(cx - 0.5 + dx * (inner - 1.5), cy - 0.5 + dy * (inner - 1.5),
                   cx - 0.5 + dx * (inner - 2.5), cy - 0.5 + dy * (inner - 2.5), GREY)
    w = px(c, 2, 1)
    c.line(cx - 0.5, cy - 0.5, cx - 0.5, cy - 0.5 - inner * 0.75, BLACK, w)
    c.line(cx - 0.5, cy - 0.5, cx - 0.5 + inner * 0.55, cy - 0.5, BLACK, w)


def arrow(c, x0, y0, x1, y1, colour, shaft=2.5, head=6.5, head_length=7):
    """An arrow from (x0, y0) to its tip (x1, y1), in design units."""
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy, ux
    bx, by = x1 - ux * head_length, y1 - uy * head_length
    points = [(x0 + nx * shaft, y0 + ny * shaft), (bx + nx * shaft, by + ny * shaft),
              (bx + nx * head, by + ny * head), (x1, y1), (bx - nx * head, by - ny * head),
              (bx - nx * shaft, by - ny * shaft), (x0 - nx * shaft, y0 - ny * shaft)]
    # An outline would eat a small arrow's shaft: small arrows are solid.
    c.fill(polygon(points), colour, None if c.small else BLACK)


def window(c, x0, y0, x1, y1):
    c.fill(rect(x0, y0, x1, y1), WHITE, BLACK)
    c.fill(rect(x0, y0, x1, y0 + 5), NAVY, BLACK)


def red_cross(c, cx, cy, r):
    w = px(c, 3, 2)
    c.line(cx - r, cy - r, cx + r, cy + r, RED, w)
    c.line(cx - r, cy + r, cx + r, cy - r, RED, w)


def star(c, cx, cy, outer, inner, colour, points=5):
    corners = []
    for n in range(points * 2):
        radius = outer if n % 2 == 0 else inner
        angle = -math.pi / 2 + n * math.pi / points
        corners.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    c.fill(polygon(corners), colour, BLACK)


def stick(x0, y0, x1, y1, half):
    """A straight bar of half width `half` between two design points."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * half, (x1 - x0) / length * half
    return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def pencil(c, tip_x, tip_y, end_x, end_y):
    length = math.hypot(end_x - tip_x, end_y - tip_y)
    ux, uy = (end_x - tip_x) / length, (end_y - tip_y) / length
    cone = 6
    wx, wy = tip_x + ux * cone, tip_y + uy * cone
    ex, ey = end_x - ux * 4, end_y - uy * 4
    half = px(c, 3, 4)
    c.fill(stick(wx, wy, ex, ey, half), YELLOW, BLACK)
    c.fill(stick(ex, ey, end_x, end_y, half), RED, BLACK)
    c.fill(polygon([(tip_x, tip_y), (wx - uy * half, wy + ux * half), (wx + uy * half, wy - ux * half)]), WHITE, BLACK)
    c.fill(ellipse(tip_x + ux * 1.5, tip_y + uy * 1.5, 1.5), BLACK)


def clipboard(c):
    c.fill(rect(3, 4, 24, 30), OLIVE, BLACK)
    c.fill(rect(6, 8, 21, 27), WHITE, BLACK)
    c.fill(rect(9, 1, 18, 7), SILVER, BLACK)


def door(c):
    c.fill(rect(5, 2, 19, 30), BLACK)
    c.fill(polygon([(5, 2), (13, 5), (13, 31), (5, 31)]), MAROON, BLACK)


def two_windows(c):
    window(c, 1, 2, 20, 18)
    window(c, 10, 11, 29, 28)


# Pictures, one function each; named by what they show.

def open_plan(c):
    c.fill(polygon([(3, 7), (11, 7), (13, 10), (26, 10), (26, 28), (3, 28)]), OLIVE, BLACK)
    c.fill(polygon([(8, 15), (31, 15), (26, 28), (3, 28)]), YELLOW, BLACK)


def information(c):
    cx, cy, r = 16, 16, 14
    c.fill(ellipse(cx, cy, r), BLUE, NAVY)
    c.fill(rect(cx - 2, cy - 9, cx + 1, cy - 6), WHITE)
    c.fill(rect(cx - 2, cy - 3, cx + 1, cy + 8), WHITE)


def vacation(c):
    for n in range(8):
        a = n * math.pi / 4
        x0, y0 = 16 + 9 * math.cos(a), 13 + 9 * math.sin(a)
        x1, y1 = 16 + 15 * math.cos(a), 13 + 15 * math.sin(a)
        if c.small:
            c.line(x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5, RED)
        else:
            side_x, side_y = -math.sin(a) * 3, math.cos(a) * 3
            c.fill(polygon([(x0 + side_x, y0 + side_y), (x1, y1), (x0 - side_x, y0 - side_y)]), YELLOW, RED)
    c.fill(ellipse(16, 13, 8), YELLOW, RED)
    wave = [(2, 25)] + [(2 + i * 2, 25 - 1.5 * math.sin(i * math.pi / 4)) for i in range(1, 15)] + [(30, 25)]
    c.fill(polygon(wave + [(30, 30), (2, 30)]), BLUE, NAVY)


def sick_day(c):
    c.fill(union(rect(12, 5, 19, 22), ellipse(15.5, 5.5, 3.5)), WHITE, BLACK)
    c.fill(ellipse(15.5, 24.5, 6), RED, BLACK)
    c.fill(rect(14, 10, 17, 22), RED)
    if not c.small:
        for y in (8, 12, 16):
            c.line(20, y, 22, y, BLACK)
    c.fill(ellipse(13.5, 23, 1.5), WHITE)


def work_day(c):
    c.fill(minus(rect(10, 4, 21, 11), rect(13, 7, 18, 11)), MAROON, BLACK)
    c.fill(rect(2, 9, 29, 28), MAROON, BLACK)
    c.line(3, 17, 28, 17, BLACK)
    c.fill(rect(13, 14, 18, 20), YELLOW, BLACK)


def print_plan(c):
    c.fill(rect(8, 2, 23, 13), WHITE, BLACK)
    c.fill(rect(2, 11, 29, 24), SILVER, BLACK)
    c.fill(rect(5, 20, 26, 24), GREY, BLACK)
    c.fill(rect(8, 22, 23, 30), WHITE, BLACK)
    ruled_lines(c, 11, 20, (26,))
    c.fill(rect(23, 14, 25, 16), LIME, BLACK)


def options(c):
    teeth = 6 if c.small else 8
    corners = []
    for n in range(teeth * 4):
        a = (n - 0.5) * math.pi * 2 / (teeth * 4)
        radius = 15 if n % 4 in (1, 2) else 10.5
        corners.append((16 + radius * math.cos(a), 16 + radius * math.sin(a)))
    c.fill(minus(polygon(corners), ellipse(16, 16, 5)), GREY if c.small else SILVER, BLACK)
    if not c.small:
        c.fill(minus(ellipse(16, 16, 8), ellipse(16, 16, 5)), GREY)


def delete_entry(c):
    c.fill(polygon([(6, 10), (26, 10), (24, 30), (8, 30)]), WHITE, BLACK)
    for x in (12, 16, 20):
        c.line(x - 0.5, 14, x - 0.5, 26, GREY)
    c.fill(rect(12, 2, 19, 6), GREY, BLACK)
    c.fill(rect(3, 5, 28, 9), GREY, BLACK)


def evaluation(c):
    for x0, top, colour in ((3, 14, BLUE), (12, 4, RED), (21, 10, LIME)):
        c.fill(rect(x0, top, x0 + 7, 27), colour, BLACK)
    c.line(1, 28, 30, 28, BLACK)


def compute_today(c):
    c.fill(rect(5, 2, 26, 30), GREY, BLACK)
    c.fill(rect(8, 5, 23, 11), LIME, BLACK)
    for y in (15, 21, 26):
        for x in (10, 15.5, 21):
            c.fill(rect(x - 2, y - 1, x + 1, y + 2), WHITE, BLACK)


def account_correction(c):
    edge = None if c.small else NAVY
    c.fill(union(rect(4, 8, 27, 13), rect(13, 1, 18, 20)), BLUE, edge)
    c.fill(rect(4, 23, 27, 28), BLUE, edge)


def month_plan(c):
    calendar_page(c, 2, 5, 29, 29, BLUE)
    if c.small:
        for y in (16, 21, 26):
            for x in (7, 12, 17, 22, 26):
                c.fill(rect(x - 1, y - 1, x, y), GREY)
    else:
        for y in (15, 19, 23, 27):
            for col, x in enumerate((6, 10, 14, 18, 22, 26)):
                c.fill(rect(x - 1, y - 1, x + 1, y), RED if col == 5 else GREY)


def tray_clock(c):
    clock(c, 16, 16, 15, BLUE)


def warning_clock(c):
    clock(c, 16, 16, 15, RED, YELLOW)


def stopwatch(c):
    c.fill(rect(13, 1, 18, 5), SILVER, BLACK)
    c.fill(stick(25, 6, 28, 3, 2), SILVER, BLACK)
    clock(c, 16, 18, 13.5, GREEN)


def plan_file(c):
    sheet(c, 3, 1, 25, 30, fold=8)
    ruled_lines(c, 7, 20, (10, 14, 18))
    clock(c, 22, 22, 9, BLUE)


def warning(c):
    c.fill(polygon([(16, 1), (31, 29), (1, 29)]), YELLOW, BLACK)
    c.text("!", 16, 19, BLACK)


def flexi_day(c):
    day_page(c, "GT", GREEN)


def public_holiday(c):
    day_page(c, "FT", RED)


def edit_entry(c):
    sheet(c, 3, 2, 24, 30)
    ruled_lines(c, 7, 19, (10, 14, 18, 22, 26))
    pencil(c, 13, 27, 29, 6)


def close_window(c):
    window(c, 2, 3, 25, 24)
    red_cross(c, 22, 22, 6)


def new_plan(c):
    sheet(c, 6, 3, 28, 30)
    star(c, 9, 10, 9.5, 4.5, YELLOW)


def come(c):
    clock(c, 19, 12, 11.5, BLUE)
    arrow(c, 0, 24, 18, 24, GREEN, 3, 7.5, 8)


def go(c):
    clock(c, 12, 12, 11.5, BLUE)
    arrow(c, 13, 24, 31, 24, RED, 3, 7.5, 8)


def close_all(c):
    two_windows(c)
    red_cross(c, 24, 23, 5)


def next_window(c):
    window(c, 1, 1, 22, 16)
    window(c, 14, 12, 30, 29)
    bend = [(2, 17), (7, 17), (7, 21), (8, 21), (8, 16.5), (14, 23.5), (8, 30.5), (8, 26), (2, 26)]
    c.fill(polygon(bend), GREEN, BLACK)


def empty_day(c):
    sheet(c, 5, 2, 26, 29)


def missing_day(c):
    sheet(c, 5, 2, 26, 29)
    c.text("?", 15.5, 17, RED, px(c, 2, 1), large=True)


def times(c):
    clock(c, 16, 16, 14, TEAL)


def day_without_saldo(c):
    sheet(c, 5, 2, 26, 29, paper=SILVER)
    c.line(10, 16, 21, 16, GREY, px(c, 2, 1))


def quit_program(c):
    door(c)
    arrow(c, 12, 17, 31, 17, RED, 3, 7.5, 8)


def copy_entry(c):
    sheet(c, 2, 1, 19, 21)
    sheet(c, 12, 10, 29, 30)


def paste_entry(c):
    clipboard(c)
    sheet(c, 13, 13, 29, 30)


def entry_up(c):
    c.fill(polygon([(16, 2), (29, 15), (21, 15), (21, 30), (11, 30), (11, 15), (3, 15)]), BLUE, NAVY)


def entry_down(c):
    c.fill(polygon([(16, 30), (29, 17), (21, 17), (21, 2), (11, 2), (11, 17), (3, 17)]), BLUE, NAVY)


def clipboard_export(c):
    clipboard(c)
    arrow(c, 12, 22, 31, 22, GREEN, 2.5, 6, 6)


def delete_plan_file(c):
    month_plan(c)
    red_cross(c, 22, 22, 6)
