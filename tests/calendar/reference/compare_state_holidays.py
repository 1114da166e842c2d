"""Compares the state holiday tables with the subdivision data of the
python3-holidays package for every state and year of a range.

Every date on which the two disagree must be a recorded case of
recorded_cases.tsv, and every recorded case must still disagree: a case the
reference has caught up with fails too, so that its line is removed.

usage: compare_state_holidays.py DUMP_PROGRAM CASES_FILE FIRST_YEAR LAST_YEAR
"""
import datetime
import subprocess
import sys

import holidays
from dateutil.easter import easter


def day_of(expression, year):
    """A date of a case: "DD.MM" or "ostersonntag+N"."""
    if expression.startswith("ostersonntag"):
        return easter(year) + datetime.timedelta(days=int(expression[12:] or 0))
    day, month = expression.split(".")
    return datetime.date(year, int(month), int(day))


def recorded_cases(path, first, last):
    """{(state, date): side} with side "tabelle" (only the tables have the
    day) or "referenz" (only the reference has it)."""
    cases = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            # A malformed line stops the run; a side other than these two never matches.
            state, expression, since, until, side, _reason = line.split("\t")
            for year in range(max(int(since), first), min(int(until), last) + 1):
                cases[(state, day_of(expression, year))] = side
    return cases


def main():
    program, cases_file, first, last = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    output = subprocess.run([program, str(first), str(last)], check=True, capture_output=True, text=True).stdout
    ours = {(state, datetime.datetime.strptime(text, "%d.%m.%Y").date())
            for state, text in map(str.split, output.splitlines())}
    states = holidays.Germany.PROVINCES
    reference = {(state, day) for state in states for day in holidays.Germany(prov=state, years=range(first, last + 1))}
    found = {key: "tabelle" for key in ours - reference}
    found.update({key: "referenz" for key in reference - ours})
    expected = recorded_cases(cases_file, first, last)
    faults = []
    for key in sorted(set(found) | set(expected)):
        if found.get(key) != expected.get(key):
            state, day = key
            faults.append(f"{state} {day:%d.%m.%Y}: differs as {found.get(key, 'nothing')}, "
                          f"recorded as {expected.get(key, 'nothing')}")
    print(f"{len(states)} states, {first}-{last}: {len(ours)} days in the tables, "
          f"{len(reference)} in the reference {holidays.__version__}, {len(found)} recorded differences")
    for fault in faults:
        print(fault)
    sys.exit(1 if faults or len(states) != 16 else 0)


main()
