# Times of day, time arithmetic and decimal days through the shell. Dates
# are written in format 4 so that the cases do not depend on the locale.

# Every function's example lines are on its help page, which the tests run;
# here what a page cannot show: a leading blank, and the clock.
$ torvane -c "echo [%@timefmt[9:05,2048]]"
  [ 9:05]

# Without a time, @timefmt writes the local time now; the minute may turn
# during the call.
$ before=$(date +%-H:%M); got=$(torvane -c "echo %@timefmt[]" | tr -d '\r'); after=$(date +%-H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock

# Without a date-time, @timeplus starts from the local date and time now.
$ before=$(date +%F@%-H:%M); got=$(torvane -c "echo %@timeplus[,0:00,4,0]" | tr -d '\r'); after=$(date +%F@%-H:%M)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock

