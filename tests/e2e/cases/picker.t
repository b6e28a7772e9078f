# @pickdate's messages through the shell: each argument it refuses, in the
# order of its checks, before any dialog opens.

$ torvane -c "echo %@pickdate[,x,y,z,w,v,u,t,s]"
! KALENDRA plugin: Invalid format "y"
[1]
$ torvane -c "echo %@pickdate[,x,4,z,w,v,u,Sun-Sat,s]"
! KALENDRA plugin: Invalid days-of-the-week mask "Sun-Sat"
[1]
$ torvane -c "echo %@pickdate[,x,4,z,w,v,u,,s]"
! KALENDRA plugin: Invalid flags "v"
[1]
$ torvane -c "echo %@pickdate[,x,4,z,w,0,u,,s]"
! KALENDRA plugin: Invalid initial date "x"
[1]
$ torvane -c "echo %@pickdate[,1601-01-01,4,-1]"
! KALENDRA plugin: Invalid minimum date "-1" (offset)
[1]
$ torvane -c "echo %@pickdate[,2015-01-01,4,z]"
! KALENDRA plugin: Invalid minimum date "z"
[1]
$ torvane -c "echo %@pickdate[,9999-12-31,4,,+1]"
! KALENDRA plugin: Invalid maximum date "+1" (offset)
[1]
$ torvane -c "echo %@pickdate[,2015-01-01,4,,w]"
! KALENDRA plugin: Invalid maximum date "w"
[1]
$ torvane -c "echo %@pickdate[,2015-01-01,4,,,,u]"
! KALENDRA plugin: Invalid left-column day value "u"
[1]
$ torvane -c "echo %@pickdate[,2015-01-01,4,,,,,,601]"
! KALENDRA plugin: Invalid timeout "601"
[1]
$ torvane -c "echo %@pickdate[,,4,2015-03-09,2015-03-08]"
! KALENDRA plugin: Invalid date range 2015-03-09 - 2015-03-08
[1]
$ torvane -c "echo %@pickdate[,2015-03-01,4,2015-03-02,2015-03-31]"
! KALENDRA plugin: Date 2015-03-01 not in range 2015-03-02 - 2015-03-31
[1]
$ torvane -c "echo %@pickdate[,2015-12-27,4,2015-12-27,2015-12-27,8]"
! KALENDRA plugin: No unmasked days in range 2015-12-27 - 2015-12-27
[1]
