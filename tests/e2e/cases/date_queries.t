# Every date function through the shell, once each; the unit tables hold
# their cases and messages.

$ torvane -c "echo %@date[1979-12-31] %@day[2015-12-11 4] %@month[2015-12-11] %@year[2015-12-11] %@doy[2016-12-31] %@dow[2015-12-27] %@dowf[2015-12-27] %@dowi[2015-12-26] %@isodowi[2015-12-27]"
  -1 11 12 2015 366 Sun Sunday 7 7

$ torvane -c "echo %@isoweek[2010-01-03] %@isowyear[2010-01-03] %@usweek[2012-12-31,,1,1] %@leap[1900] %@monthlen[2 2000] %@monthname[9 1] %@isdate[2015-02-29]"
  53 2009 54 0 29 Sep 0

$ torvane -c "echo %@dateplus[2015-02-28 1 4] %@days[2015-12-31 2015-01-01 4 1] %@makedate[-138426 4] %@dateconv[25.12.2015 2 5] %@inrange[2014-12-31 2015-12-31 2015-01-01] %@nextdate[2 29 2096-03-01 4]"
  2015-03-01 365 1601-01-01 2015-W52-5 -1 2104-02-29

$ torvane -c "echo %@dowis[\"Mon,Tue\",2015-12-29] %@nextdow[weekdays,2015-12-25,-5,4]"
  1 2015-12-18

$ torvane -c "echo %@date[] %@year[] %@doy[] %@isoweek[] %@isowyear[] %@isodowi[] %@leap[]"
  {{sh echo $(( $(date -u -d "$(date +%F) 12:00" +%s) / 86400 - 3652 )) $(date +%Y) $(date +%-j) $(date +%-V) $(date +%G) $(date +%u) $(y=$(date +%Y); [ $((y % 4)) -eq 0 ] && { [ $((y % 100)) -ne 0 ] || [ $((y % 400)) -eq 0 ]; } && echo 1 || echo 0)}}

$ torvane -c "echo %@dateplus[9999-12-31 1]"
! KALENDRA plugin: Resulting date out of range
[1]
