# @dowis and @nextdow through the shell.

$ torvane -c "echo %@dowis[weekend,2015-12-26,4] %@dowis[weekend,2015-12-28,4] %@dowis[Sat Sun,2015-12-27,4] %@dowis[\"Mon,Tue\",2015-12-29]"
  1 0 1 1

$ torvane -c "echo %@nextdow[Mon,2015-12-21,0,4] %@nextdow[Mon,2015-12-21,1,4] %@nextdow[Mon,2015-12-21,-1,4]"
  2015-12-21 2015-12-28 2015-12-14

$ torvane -c "echo %@nextdow[weekdays,2015-12-25,1,4] %@nextdow[weekdays,2015-12-25,6,4] %@nextdow[weekdays,2015-12-25,-5,4] %@nextdow[weekdays,2015-12-25,2x,4]"
  2015-12-28 2016-01-04 2015-12-18 2015-12-29

$ torvane -c "echo %@dowis[]"
! KALENDRA plugin: Missing days-of-the-week list
[1]

