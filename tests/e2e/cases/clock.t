# Local time and UTC through the user's zone, which TZ chooses (natively and
# under Wine), and ages. Dates are written in format 4 so that the cases do
# not depend on the locale. The saving of the date converted, and the hours
# that the clocks skip or show twice, are on the functions' help pages.

$ TZ=Asia/Kathmandu torvane -c "echo %@localdatetime[2015-12-31,18:30,4] %@utcdatetime[2016-01-01,0:15,4]"
  2016-01-01,0:15 2015-12-31,18:30

# Without a date or a time, the clock of the starting side gives them.
$ before=$(date -u +%F,%H:%M); got=$(TZ=Asia/Kolkata torvane -c "echo %@utcdatetime[,,4,1024]" | tr -d '\r'); after=$(date -u +%F,%H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the UTC clock"
  matches the UTC clock
$ before=$(date +%F,%H:%M); got=$(torvane -c "echo %@localdatetime[,,4,1024]" | tr -d '\r'); after=$(date +%F,%H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the local clock"
  matches the local clock
$ got=$(TZ=UTC torvane -c "echo %@localdatetime[2015-07-01,,4,1024]" | tr -d '\r'); [[ $got == 2015-07-01,$(date -u +%H)* ]] && echo "today's time on 2015-07-01"
  today's time on 2015-07-01

# Conversions that would leave 1601..9999 are refused.
$ TZ=Europe/Berlin torvane -c "echo %@localdatetime[9999-12-31,23:30,4]"
! KALENDRA plugin: Error converting UTC to local
[1]
$ torvane -c "echo %@utcdatetime[,24:00]"
! KALENDRA plugin: Invalid time "24:00"
[1]

# Ages: counts of 100 ns since 1601, exact both ways; white space separates.
$ torvane -c "echo %@makeage[2015-12-11 14:30:05.042]"
  130943178050420000
$ torvane -c "echo %@agedate[130943178050429999,4,1408,2] %@agedate[2650467743999999999]"
  2015-12-11@14:30:05.042 9999-12-31,23:59:59.999
