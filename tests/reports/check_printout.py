#!/usr/bin/python3
"""Compares a printed month plan (pdftotext -layout) with the lines the
driver expects: every page of every copy, line by line (word by word), with
the page breaks that the rows per page give. Usage: check_printout.py expected.txt printout.txt"""
import sys


def expected_pages(layout):
    rows_per_page = int(layout["rows"][0])
    first, later = rows_per_page - 8, rows_per_page - 5   # body rows 6..R-3, then 3..R-3
    body = layout["row"]
    pages, number, start = [], 0, 0
    while True:
        capacity = first if number == 0 else later
        chunk = body[start:start + capacity]
        start += capacity
        number += 1
        top = [h for h in layout["head"] if h.strip()] + layout["header"] if number == 1 else layout["header"]
        pages.append([words(line) for line in top + chunk] + ["Seite %d" % number])
        if start >= len(body):
            return pages


def words(line):
    """pdftotext re-spaces a line by its own measure: compare the words."""
    return " ".join(line.split())


def lines_of(page):
    return [words(line) for line in page.splitlines() if line.strip()]


def main(expected_path, printout_path):
    layout = {}
    with open(expected_path, encoding="cp1252") as f:
        for line in f.read().splitlines():
            key, _, value = line.partition(" ")
            layout.setdefault(key, []).append(value.rstrip())
    with open(printout_path, encoding="utf-8") as f:
        printed = f.read().split("\f")
    if printed and not printed[-1].strip():
        printed.pop()
    one_copy = expected_pages(layout)
    wanted = one_copy * int(layout["copies"][0])
    failures = []
    if len(printed) != len(wanted):
        failures.append("%d pages printed, %d expected" % (len(printed), len(wanted)))
    for n, (page, lines) in enumerate(zip(printed, wanted), 1):
        got = lines_of(page)
        if got != lines:
            failures.append("page %d differs:\n  expected %r\n  printed  %r" % (n, lines, got))
    remark = layout["remark"][0]
    if words(remark) not in words(" ".join(printed)):
        failures.append("the long remark is cut: %r" % remark)
    if len(one_copy) < 2:
        failures.append("the plan fits one page; it must run over two")
    for failure in failures:
        print("FAIL:", failure)
    print("%d pages, %d per copy, %s rows per page" % (len(printed), len(one_copy), layout["rows"][0]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
