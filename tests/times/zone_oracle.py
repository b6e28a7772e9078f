#!/usr/bin/env python3
"""Checks @localdatetime and @utcdatetime against Python's zoneinfo: random
instants of a span of years, in each zone given, through the torvane shell
as one batch file per zone.

Usage: zone_oracle.py --shell "CMD" [--count N] [--years FIRST:LAST] ZONE...

Local times that the clocks skip or show twice are read as daylight-saving
time, as Windows reads them: of the two offsets around the change, the
larger applies. Results that would leave 1601..9999 must be refused.
"""

import argparse
import datetime
import os
import random
import re
import shlex
import subprocess
import sys
import tempfile
import zoneinfo

MESSAGE = re.compile(r"KALENDRA plugin: (?:.* \[\d+\]  )?(.*)")
UTC = datetime.timezone.utc
FIRST = datetime.datetime(1601, 1, 1)
LAST = datetime.datetime(9999, 12, 31, 23, 59, 59, 999000)


def written(moment):
    """A date and time as format 4 and time format 1408 write them."""
    return f"{moment.year:04d}-{moment.month:02d}-{moment.day:02d},{moment:%H:%M:%S}.{moment.microsecond // 1000:03d}"


def utc_to_local(moment, zone):
    try:
        local = moment.replace(tzinfo=UTC).astimezone(zone).replace(tzinfo=None)
    except OverflowError:
        return None
    return local if FIRST <= local <= LAST else None


def local_to_utc(moment, zone):
    offset = max(moment.replace(tzinfo=zone, fold=fold).utcoffset() for fold in (0, 1))
    try:
        utc = moment - offset
    except OverflowError:
        return None
    return utc if FIRST <= utc <= LAST else None


def random_moment(rng, first_year, last_year):
    start = datetime.datetime(first_year, 1, 1)
    span = (datetime.datetime(last_year, 12, 31, 23, 59, 59) - start).total_seconds()
    return start + datetime.timedelta(seconds=rng.randrange(int(span)), milliseconds=rng.randrange(1000))


def expected_line(function, moment, zone):
    result = (utc_to_local if function == "localdatetime" else local_to_utc)(moment, zone)
    if result is None:
        direction = "UTC to local" if function == "localdatetime" else "local to UTC"
        return f"error: Error converting {direction}"
    return written(result)


def check_zone(shell, zone_name, moments):
    zone = zoneinfo.ZoneInfo(zone_name)
    calls = [(function, moment) for moment in moments for function in ("localdatetime", "utcdatetime")]
    with tempfile.TemporaryDirectory(prefix="zones-") as directory:
        batch = os.path.join(directory, "zones.btm")
        with open(batch, "w", encoding="utf-8", newline="\r\n") as out:
            for function, moment in calls:
                date, time = written(moment).split(",")
                out.write(f"echo %@{function}[{date},{time},4,1408]\n")
        env = dict(os.environ, TZ=zone_name)
        done = subprocess.run(shlex.split(shell) + ["zones.btm"], cwd=directory, env=env, capture_output=True,
                              text=True, timeout=600)
    got = iter(done.stdout.replace("\r\n", "\n").splitlines())
    # A message follows the library's prefix and the batch file's name and line.
    errors = iter(match.group(1) for match in map(MESSAGE.search, done.stderr.splitlines()) if match)
    failures = 0
    for function, moment in calls:
        want = expected_line(function, moment, zone)
        have = f"error: {next(errors, '')}" if want.startswith("error: ") else next(got, "")
        if have != want:
            failures += 1
            if failures <= 10:
                print(f"{zone_name}: @{function}[{written(moment)}] gave {have!r}, zoneinfo {want!r}")
    print(f"{zone_name}: {len(calls)} calls, {failures} differ")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--shell", required=True)
    parser.add_argument("--count", type=int, default=5000)
    parser.add_argument("--years", default="1601:9999")
    parser.add_argument("--seed", type=int, default=20151211)
    parser.add_argument("zones", nargs="+")
    args = parser.parse_args()
    first_year, last_year = (int(year) for year in args.years.split(":"))
    rng = random.Random(args.seed)
    failures = 0
    for zone in args.zones:
        moments = [random_moment(rng, first_year, last_year) for _ in range(args.count)]
        # The edges of the calendar, and a change of the clocks each way.
        moments += [FIRST, LAST, datetime.datetime(2015, 3, 8, 2, 30), datetime.datetime(2015, 11, 1, 1, 30),
                    datetime.datetime(2015, 3, 29, 2, 30), datetime.datetime(2015, 10, 25, 2, 30),
                    datetime.datetime(2015, 4, 5, 1, 45), datetime.datetime(2015, 10, 4, 2, 15)]
        failures += check_zone(args.shell, zone, [m for m in moments if first_year <= m.year <= last_year])
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
