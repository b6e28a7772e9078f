#!/usr/bin/env python3
"""What @filestamp[FILE,FLAGS] should write in format 4 for a real file, by
Python's own clock and zone rules, for the zone that TZ names.

Usage: stamp_oracle.py FILE FLAGS   (FLAGS: U, B or L with W or A)

L follows the file system: Wine reports its drives as NTFS, so under Wine
(TORVANE_RUN set) L takes the saving rule of the stamp's own date; natively
the volume is another kind, and L takes the offset in force now, as B does.
"""

import datetime
import os
import sys
import zoneinfo


def main():
    path, flags = sys.argv[1], sys.argv[2].upper()
    info = os.stat(path)
    seconds = info.st_atime if "A" in flags else info.st_mtime
    utc = datetime.datetime.fromtimestamp(int(seconds), datetime.timezone.utc)
    zone = zoneinfo.ZoneInfo(os.environ.get("TZ", "UTC"))
    by_stamp_date = "L" in flags and os.environ.get("TORVANE_RUN")
    if "U" in flags:
        print(f"{utc:%Y-%m-%d@%H:%M:%S}Z")
    elif by_stamp_date:
        print(f"{utc.astimezone(zone):%Y-%m-%d@%H:%M:%S}")
    else:
        offset = datetime.datetime.now(zone).utcoffset()
        print(f"{utc + offset:%Y-%m-%d@%H:%M:%S}")


if __name__ == "__main__":
    main()
