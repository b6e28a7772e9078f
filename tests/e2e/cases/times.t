# Times of day, time arithmetic and decimal days through the shell. Dates
# are written in format 4 so that the cases do not depend on the locale.

# @istime and @timeparts read the whole text between the brackets.
$ torvane -c "echo %@istime[10:30 p.m.] %@istime[7] %@istime[13:00 PM] %@timeparts[A.M.10:30] %@timeparts[10:30:15.1239] %@timeparts[7 PM] %@timeparts[x]"
  1 0 0 28 15 24 0

# @timefmt: styles, options, and the precision of the input kept.
$ torvane -c "echo %@timefmt[13:05:07.042,7] %@timefmt[12:00,1039] %@timefmt[9:05,4096] %@timefmt[23:59:59.999,15] %@timefmt[10:30:15] %@timefmt[9:05 pm,1]"
  1:05:07.042P.M. 0.50000000 0905 .99999999 10:30:15 9:05 PM
$ torvane -c "echo [%@timefmt[9:05,2048]]"
  [ 9:05]

# Without a time, @timefmt writes the local time now; the minute may turn
# during the call.
$ before=$(date +%-H:%M); got=$(torvane -c "echo %@timefmt[]" | tr -d '\r'); after=$(date +%-H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock

# A message of each kind ends the line with status 1; the unit tables hold
# every message of every function.
$ torvane -c "echo %@timefmt[25:00]"
! KALENDRA plugin: Invalid time "25:00"
[1]

# @timeplus: offsets with and without days, a date moved by the day carry.
$ torvane -c "echo %@timeplus[23:00,2:00] / %@timeplus[10:00,-1@2:00] / %@timeplus[10:00,2 days] / %@timeplus[23:00,2:00,,15] / %@timeplus[10:00,1:30,,0]"
  +1 day 1:00:00 / -1 day 8:00:00 / +2 days 10:00:00 / +1.04166667 / 11:30
$ torvane -c "echo %@timeplus[2015-12-31T23:00,2:00,4] %@timeplus[2015-12-11t10:00,,4] %@timeplus[2016-03-01@00:30,-1:00,4,1]"
  2016-01-01T1:00:00 2015-12-11T10:00:00 2016-02-29@11:30 PM

# Without a date-time, @timeplus starts from the local date and time now.
$ before=$(date +%F@%-H:%M); got=$(torvane -c "echo %@timeplus[,0:00,4,0]" | tr -d '\r'); after=$(date +%F@%-H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock

$ torvane -c "echo %@timeplus[9999-12-31@23:00,1:00]"
! KALENDRA plugin: Resulting date out of range
[1]

# @timediff: never negative unless flag 1 asks for the sign.
$ torvane -c "echo %@timediff[10:00,12:30] / %@timediff[12:30,10:00,,,1] / %@timediff[2015-12-10@22:00,2015-12-11@02:00] / %@timediff[2015-12-10@10:00,2015-12-11@12:00] / %@timediff[2015-12-10@10:00,2015-12-11@12:00,,15] / %@timediff[10:00,12:00,,15]"
  2:30:00 / -2:30:00 / 4:00:00 / 1 day 2:00:00 / 1.08333333 / .08333333

# @timetodec and @dectotime.
$ torvane -c "echo %@timetodec[12:00] %@timetodec[2 days 18:00] %@timetodec[-1 12:00]"
  0.500000000 2.750000000 -0.500000000
$ torvane -c "echo %@dectotime[0.5] / %@dectotime[1.75] / %@dectotime[-0.25] / %@dectotime[2.5,256] / %@dectotime[abc] / %@dectotime[0.99999999999]"
  12:00:00 / +1 day 18:00:00 / -1 day 18:00:00 / +2 days 12:00:00.000 / 0:00:00 / 23:59:59
