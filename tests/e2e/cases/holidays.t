# Holidays through the shell: Easter and n-th weekday rules, the built-in
# rules, and a holidays.ini beside the plug-in, found by the plug-in's own
# path (its sections, encodings and prefixes are the unit tests' business).

# Each function once; the unit tables hold their cases.
$ torvane -c "echo %@easter[2016,1,4] %@holiday[5,4,11,1939,4,-7] %@isholiday[25/12/2015,2] %@inlieu[2022-12-25,4,1]"
  2016-05-01 1939-11-23 1 2022-12-23

# "*": the next occurrence after today, computed now.
$ torvane -c "echo %@easter[*,,4] %@holiday[3,1,1,*,4]"
  {{sh python3 "$E2E_CASES/holidays_next.py"}}

# The built-in rules, with no holidays.ini beside the plug-in: the days each
# year marks.
$ . "$E2E_CASES/holidays.sh"; marked_days 2016
  01-01 01-18 02-15 03-27 05-08 05-30 06-19 07-04 09-05 10-10 10-31 11-08 11-11 11-24 12-25 12-31

# The locale's country is the default section.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n*-10-03\n' > holidays.ini
> LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 plugin_torvane -c "echo %@isholiday[2015-10-03] %@isholiday[2015-12-25]"
  1 0

# A section with comments only counts as none: the built-in rules are used.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n; nothing yet\n\n' > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-07-04,,Germany]"
  1
