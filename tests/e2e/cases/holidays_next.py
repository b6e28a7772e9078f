"""Prints the next Easter Sunday and the next third Monday of January after
today, in yyyy-mm-dd form: the expectations of the "*" cases of holidays.t."""

import datetime


def easter(year):
    """Western Easter by the anonymous Gregorian algorithm."""
    a, b, c = year % 19, year // 100, year % 100
    d, e = divmod(b, 4)
    g = (8 * b + 13) // 25
    h = (19 * a + b - d - g + 15) % 30
    i, k = divmod(c, 4)
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 19 * l) // 433
    month = (h + l - 7 * m + 90) // 25
    day = (h + l - 7 * m + 33 * month + 19) % 32
    return datetime.date(year, month, day)


def third_monday_of_january(year):
    first = datetime.date(year, 1, 1)
    return first + datetime.timedelta(days=(7 - first.weekday()) % 7 + 14)


def next_after(today, rule):
    year = today.year
    while rule(year) <= today:
        year += 1
    return rule(year)


today = datetime.date.today()
print(next_after(today, easter).isoformat(), next_after(today, third_monday_of_january).isoformat())
