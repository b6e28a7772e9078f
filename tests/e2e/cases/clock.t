# Today and now through the system's clock, against date(1): the date
# functions' defaults and the internal variables (which follow neither the
# locale nor LONGYEARS), and what takes the time now (the minute may turn
# during the call). Zones are the zone oracle's business; ages and every
# function's examples are on the help pages, which the tests run.

$ LANG=de_DE.UTF-8 torvane -c "longyears strict" -c "echo %@date[] %@year[] %@doy[] %@isoweek[] %@isowyear[] %@isodowi[] %@leap[]" -c "echo %_isordate %_isowdate %_isowyear %_isoweek %_isodowi"
  {{sh echo $(( $(date -u -d "$(date +%F) 12:00" +%s) / 86400 - 3652 )) $(date +%Y) $(date +%-j) $(date +%-V) $(date +%G) $(date +%u) $(y=$(date +%Y); [ $((y % 4)) -eq 0 ] && { [ $((y % 100)) -ne 0 ] || [ $((y % 400)) -eq 0 ]; } && echo 1 || echo 0)}}
  {{sh date +'%Y-%j %G-W%V-%u %G %-V %u'}}

$ export TZ=Asia/Kolkata; now() { echo "$(date +'%H%M|%-H:%M|%F@%-H:%M|%F,%H:%M')|$(date -u +%F,%H:%M)"; }
> before=$(now); got=$(torvane -c "echo %_t4|%@timefmt[]|%@timeplus[,0:00,4,0]|%@localdatetime[,,4,1024]|%@utcdatetime[,,4,1024]" | tr -d '\r'); after=$(now)
> [ "$got" = "$before" ] || [ "$got" = "$after" ] && echo "matches the clock"
  matches the clock
