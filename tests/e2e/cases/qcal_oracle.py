#!/usr/bin/env python3
"""A month as qcal /D /E writes it, with its days placed by Python's own
calendar module and its week numbers by date.isocalendar().

Usage: qcal_oracle.py YEAR MONTH FIRST_WEEKDAY [HIGHLIGHT_DAY] [--weeks]
FIRST_WEEKDAY: 0 = Sunday ... 6 = Saturday.
"""

import calendar
import datetime
import sys

NAMES = ["Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"]


def main():
    args = [a for a in sys.argv[1:] if a != "--weeks"]
    weeks = "--weeks" in sys.argv
    year, month, first = int(args[0]), int(args[1]), int(args[2])
    highlight = int(args[3]) if len(args) > 3 else 0
    width = 23 if weeks else 20
    name = calendar.month_name[month]
    lead = (width - len(name) - 5) // 2
    lines = ["", " " * lead + f"{name} {year}" + " " * (width - lead - len(name) - 2), ""]
    header = "".join(NAMES[(first + c) % 7] + " " for c in range(7)) + "  "
    lines.append(("   " if weeks else "") + header)
    # Python numbers weekdays from Monday = 0.
    rows = calendar.Calendar(firstweekday=(first + 6) % 7).monthdayscalendar(year, month)
    rows += [[0] * 7] * (6 - len(rows))
    for row in rows:
        line = ""
        if weeks:
            days = [d for d in row if d]
            line += f"{datetime.date(year, month, days[0]).isocalendar()[1]:02d} " if days else "   "
        for day in row:
            line += "   " if day == 0 else (" * " if day == highlight else f"{day:2d} ")
        lines.append(line)
    lines.append("")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
