# The date arithmetic functions through the shell.

$ torvane -c "echo %@dateplus[2016-02-28 1 4] %@dateplus[2016-02-28 +1 4] %@dateplus[2015-02-28 1 4] %@dateplus[2015-12-25 0 20]"
  2016-02-29 2016-02-29 2015-03-01 20151225

$ torvane -c "echo %@dateplus[9999-12-31 1]"
! KALENDRA plugin: Resulting date out of range
[1]

$ torvane -c "echo %@days[2015-01-01 2015-12-31] %@days[2015-01-01 2015-12-31 4 1] %@days[2015-12-31 2015-01-01] %@days[2015-12-31 2015-01-01 4 1] %@days[2015-12-31 2015-12-31 4 1]"
  364 365 -364 365 1

$ torvane -c "echo %@makedate[0 4] %@makedate[-138426 4] %@makedate[2929244 4]"
  1980-01-01 1601-01-01 9999-12-31

$ torvane -c "echo %@dateconv[2015-12-25 4] %@dateconv[12/25/2015 1 4] %@dateconv[25.12.2015 2 5] %@dateconv[2015-12-25 4 19]"
  2015-12-25 2015-12-25 2015-W52-5 A+151569

$ torvane -c "echo %@inrange[2015-01-01 2015-01-01 2015-12-31] %@inrange[2015-12-31 2015-12-31 2015-01-01] %@inrange[2014-12-31 2015-12-31 2015-01-01] %@inrange[2016-01-01 2015-12-31 2015-01-01]"
  0 0 -1 1

$ torvane -c "echo %@nextdate[12 25 2015-12-25 4] %@nextdate[12 25 2015-12-24 4] %@nextdate[2 29 2015-03-01 4] %@nextdate[2 29 2096-03-01 4]"
  2016-12-25 2015-12-25 2016-02-29 2104-02-29

