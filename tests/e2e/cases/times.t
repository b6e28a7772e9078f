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

# @timeplus, @timediff, @timetodec and @dectotime once each; the unit tables
# hold their cases.
$ torvane -c "echo %@timeplus[2015-12-31T23:00,2:00,4] / %@timediff[2015-12-10@10:00,2015-12-11@12:00,,15] / %@timetodec[2 days 18:00] / %@dectotime[-0.25]"
  2016-01-01T1:00:00 / 1.08333333 / 2.750000000 / -1 day 18:00:00

# Without a date-time, @timeplus starts from the local date and time now.
$ before=$(date +%F@%-H:%M); got=$(torvane -c "echo %@timeplus[,0:00,4,0]" | tr -d '\r'); after=$(date +%F@%-H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock

$ torvane -c "echo %@timeplus[9999-12-31@23:00,1:00]"
! KALENDRA plugin: Resulting date out of range
[1]
