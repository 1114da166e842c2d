#!/usr/bin/python3
"""Compares a printed month plan (pdftotext -layout) with the lines the test
expects: every page of every copy, line by line (word by word: pdftotext
re-spaces a line by its own measure), with the page breaks that the rows per
page give. Usage: check_printout.py expected.txt printout.txt"""
import sys


def words(line):
    return " ".join(line.split())


def main(expected_path, printout_path):
    layout = {}
    with open(expected_path, encoding="cp1252") as f:
        for line in f.read().splitlines():
            key, _, value = line.partition(" ")
            layout.setdefault(key, []).append(value)
    rows = int(layout["rows"][0])
    body, pages = layout["row"], []
    # Body rows 6..R-3 on the first page, below the head lines; 3..R-3 later.
    first = [h for h in layout["head"] if h.strip()] + layout["header"]
    while not pages or body:
        capacity = rows - (8 if not pages else 5)
        top = first if not pages else layout["header"]
        pages.append([words(line) for line in top + body[:capacity]] + ["Seite %d" % (len(pages) + 1)])
        body = body[capacity:]
    with open(printout_path, encoding="utf-8") as f:
        printed = [[words(line) for line in page.splitlines() if line.strip()] for page in f.read().split("\f")]
    if printed and not printed[-1]:
        printed.pop()
    wanted = pages * int(layout["copies"][0])
    failures = [] if len(printed) == len(wanted) else ["%d pages printed, %d expected" % (len(printed), len(wanted))]
    failures += ["page %d differs:\n  expected %r\n  printed  %r" % (n, want, got)
                 for n, (got, want) in enumerate(zip(printed, wanted), 1) if got != want]
    if words(layout["remark"][0]) not in " ".join(" ".join(page) for page in printed):
        failures.append("the long remark is cut: %r" % layout["remark"][0])
    if len(pages) < 2:
        failures.append("the plan fits one page; it must run over two")
    for failure in failures:
        print("FAIL:", failure)
    print("%d pages, %d per copy, %d rows per page" % (len(printed), len(pages), rows))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
