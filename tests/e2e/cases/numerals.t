# @roman and @ord through the shell; the unit tables hold their cases.

$ torvane -c "echo %@roman[mcmxcix] %@roman[1999] %@ord[1000+1]"
  1999 MCMXCIX 1,001st

# The shell reports an expression it cannot evaluate; @ord adds nothing.
$ torvane -c "echo %@ord[1/0]"
! torvane: Division by zero in "1/0"
[1]
