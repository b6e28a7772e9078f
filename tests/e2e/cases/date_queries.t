# The date query functions through the shell.

$ torvane -c "echo %@date[1980-01-01] %@date[1979-12-31] %@date[1601-01-01] %@date[9999-12-31]"
  0 -1 -138426 2929244

$ torvane -c "echo %@day[2015-12-11 4] %@month[2015-12-11] %@year[2015-12-11] %@doy[2016-12-31] %@doy[2015-12-31]"
  11 12 2015 366 365

$ torvane -c "echo %@dow[2015-12-27] %@dowf[2015-12-27] %@dowi[2015-12-27] %@dowi[2015-12-26] %@isodowi[2015-12-27] %@isodowi[2015-12-28]"
  Sun Sunday 1 7 7 1

$ torvane -c "echo %@isoweek[2008-12-29] %@isowyear[2008-12-29] %@isoweek[2010-01-03] %@isowyear[2010-01-03] %@isoweek[2015-12-31] %@isoweek[2016-12-31]"
  1 2009 53 2009 53 52

$ torvane -c "echo %@usweek[2015-01-01] %@usweek[2015-12-31] %@usweek[2015-12-31,,0,1] %@usweek[2012-12-31,,Mon] %@usweek[2012-12-31,,1,1]"
  1 1 53 1 54

$ torvane -c "echo %@leap[2000] %@leap[1900] %@monthlen[2 0] %@monthlen[2 1] %@monthlen[2 2000] %@monthlen[2 1900] %@monthlen[apr]"
  1 0 28 29 29 28 30

$ torvane -c "echo %@monthname[9 1] %@monthname[9 4] %@monthname[9] %@isdate[] %@isdate[2015-02-29] %@isdate[2015-02-28]"
  Sep September September 0 0 1

$ torvane -c "echo %@date[] %@year[] %@doy[] %@isoweek[] %@isowyear[] %@isodowi[] %@leap[]"
  {{sh echo $(( $(date -u -d "$(date +%F) 12:00" +%s) / 86400 - 3652 )) $(date +%Y) $(date +%-j) $(date +%-V) $(date +%G) $(date +%u) $(y=$(date +%Y); [ $((y % 4)) -eq 0 ] && { [ $((y % 100)) -ne 0 ] || [ $((y % 400)) -eq 0 ]; } && echo 1 || echo 0)}}

$ torvane -c "echo %@date[x]"
! KALENDRA plugin: Invalid date "x"
[1]

