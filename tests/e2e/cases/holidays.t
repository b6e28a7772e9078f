# Holidays through the shell: Easter and n-th weekday rules, the built-in
# rules, a holidays.ini beside the plug-in, and rules that call back into the
# plug-in while the holidays of a year are being marked.

# Each function once; the unit tables hold their cases.
$ torvane -c "echo %@easter[2016,1,4] %@holiday[5,4,11,1939,4,-7] %@isholiday[25/12/2015,2] %@inlieu[2022-12-25,4,1]"
  2016-05-01 1939-11-23 1 2022-12-23

$ torvane -c "echo %@easter[2015,2]"
! KALENDRA plugin: Invalid church "2"
[1]

# "*": the next occurrence after today, computed now.
$ torvane -c "echo %@easter[*,,4] %@holiday[3,1,1,*,4]"
  {{sh python3 "$E2E_CASES/holidays_next.py"}}

# The built-in rules, with no holidays.ini beside the plug-in: the days each
# year marks.
$ . "$E2E_CASES/holidays.sh"; marked_days 2016
  01-01 01-18 02-15 03-27 05-08 05-30 06-19 07-04 09-05 10-10 10-31 11-08 11-11 11-24 12-25 12-31

# A holidays.ini beside the plug-in, in 8-bit text and in UTF-16 with a
# byte-order mark: the section of the country named in the third argument.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\r\n*-10-03 ; Einheit\r\n[France]\r\n*-07-14\r\n' > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-10-03,,Germany] %@isholiday[2015-10-03,,germany] %@isholiday[2015-07-14,,FRANCE] %@isholiday[2015-12-25,,Germany] %@isholiday[2015-12-25,,Spain]"
  1 1 1 0 1
$ . "$E2E_CASES/holidays.sh"
> { printf '\377\376'; printf '[Germany]\r\n*-10-03\r\n[United Kingdom]\r\n*-12-26\r\n' | iconv -f UTF-8 -t UTF-16LE; } > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-10-03,,Germany] %@isholiday[2015-12-26,,United Kingdom] %@isholiday[2015-12-26,,Germany]"
  1 1 0

# The locale's country is the default section.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n*-10-03\n' > holidays.ini
> LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 plugin_torvane -c "echo %@isholiday[2015-10-03] %@isholiday[2015-12-25]"
  1 0

# Comments, ";" inside brackets, every prefix form; a malformed prefix
# marks nothing and prints nothing.
$ . "$E2E_CASES/holidays.sh"
> cat > holidays.ini <<'INI'
> ; sample
> [Testland]
> *-12-26 ; Boxing Day
> (2000-)*-06-01
> (1999?4=3)*-06-02
> (-1990)*-06-03
> (1880-1970)*-06-04
> (1848?2)*-06-05
> (1500)*-06-06
> (2000-2010x)*-06-07
> ( 2000)*-06-08
> %@if[a;b == a;b,*-06-09,x]
> INI
> for y in 1999 2000 2003 2004; do marked_days $y Testland copy; done
  06-02 06-09 12-26
  06-01 06-05 06-09 12-26
  06-01 06-02 06-09 12-26
  06-01 06-05 06-09 12-26

# A section with comments only counts as none: the built-in rules are used.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n; nothing yet\n\n' > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-07-04,,Germany]"
  1

# A rule that asks whether a day is a holiday is refused inside the rules;
# the outer call still answers from the other rules.
$ . "$E2E_CASES/holidays.sh"
> printf '[Germany]\n%%@isholiday[*-10-03]\n*-10-03\n' > holidays.ini
> plugin_torvane -c "echo %@isholiday[2015-10-03,,Germany] %@isholiday[2015-10-04,,Germany]"
! KALENDRA plugin: @isholiday cannot be used inside a holiday rule
! KALENDRA plugin: @isholiday cannot be used inside a holiday rule
  1 0
