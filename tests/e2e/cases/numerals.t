# @roman and @ord through the shell.

$ torvane -c "echo %@roman[mcmxcix] %@roman[1999] %@roman[+5] %@roman[iij] %@roman[4999] %@roman[MMMMMM] %@roman[IIX] %@roman[XM]"
  1999 MCMXCIX V 3 MMMMCMXCIX 6000 8 990

$ torvane -c "echo %@roman[]"
! KALENDRA plugin: No number
[1]

$ torvane -c "echo %@ord[0] %@ord[1] %@ord[11] %@ord[112] %@ord[122] %@ord[23] %@ord[1000+1] %@ord[2147483647]"
  0th 1st 11th 112th 122nd 23rd 1,001st 2,147,483,647th

# The shell reports an expression it cannot evaluate; @ord adds nothing.
$ torvane -c "echo %@ord[1/0]"
! torvane: Division by zero in "1/0"
[1]
