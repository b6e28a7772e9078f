# @roman and @ord through the shell.

$ torvane -c "echo %@roman[mcmxcix] %@roman[1999] %@roman[+5] %@roman[iij] %@roman[4999] %@roman[MMMMMM]"
  1999 MCMXCIX V 3 MMMMCMXCIX 6000

$ torvane -c "echo %@roman[IIX] %@roman[XM] %@roman[IVX] %@roman[1] %@roman[4]"
  8 990 6 I IV

$ torvane -c "echo %@roman[]"
! KALENDRA plugin: No number
[1]

$ torvane -c "echo %@roman[0]"
! KALENDRA plugin: Number out of range "0"
[1]

$ torvane -c "echo %@roman[5000]"
! KALENDRA plugin: Number out of range "5000"
[1]

$ torvane -c "echo %@roman[-5]"
! KALENDRA plugin: Number out of range "-5"
[1]

$ torvane -c "echo %@roman[5.0]"
! KALENDRA plugin: Invalid number "5.0"
[1]

$ torvane -c "echo %@roman[jj]"
! KALENDRA plugin: Bad Roman numeral "jj"
[1]

$ torvane -c "echo %@roman[IIIIIIIIIIIX]"
! KALENDRA plugin: Bad Roman numeral "IIIIIIIIIIIX"
[1]

$ torvane -c "echo %@roman[XIZ]"
! KALENDRA plugin: Bad Roman numeral "XIZ"
[1]

$ torvane -c "echo %@ord[0] %@ord[1] %@ord[11] %@ord[112] %@ord[122] %@ord[23] %@ord[1000+1] %@ord[1000000]"
  0th 1st 11th 112th 122nd 23rd 1,001st 1,000,000th

$ torvane -c "echo %@ord[  ]"
! KALENDRA plugin: No expression
[1]

$ torvane -c "echo %@ord[2-5]"
! KALENDRA plugin: Number must be nonnegative "-3"
[1]

# A value beyond 32 bits is refused, not written cut to 2147483647.
$ torvane -c "echo %@ord[3000000000]"
! KALENDRA plugin: Invalid number "3000000000"
[1]

$ torvane -c "echo %@ord[2147483647]"
  2,147,483,647th

# The shell reports an expression it cannot evaluate; @ord adds nothing.
$ torvane -c "echo %@ord[1/0]"
! torvane: Division by zero in "1/0"
[1]
