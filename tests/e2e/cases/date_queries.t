# The date functions' defaults of today against the system's own clock. Each
# function's example lines are on its help page, which the tests run.

$ torvane -c "echo %@date[] %@year[] %@doy[] %@isoweek[] %@isowyear[] %@isodowi[] %@leap[]"
  {{sh echo $(( $(date -u -d "$(date +%F) 12:00" +%s) / 86400 - 3652 )) $(date +%Y) $(date +%-j) $(date +%-V) $(date +%G) $(date +%u) $(y=$(date +%Y); [ $((y % 4)) -eq 0 ] && { [ $((y % 100)) -ne 0 ] || [ $((y % 400)) -eq 0 ]; } && echo 1 || echo 0)}}
