# @pickdate through the shell refuses its arguments in the order of its
# checks before any dialog opens (every message is in the unit table).

$ torvane -c "echo %@pickdate[,x,y,z,w,v,u,t,s]"
! KALENDRA plugin: Invalid format "y"
[1]
