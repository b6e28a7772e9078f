# The longyears command: the mode lasts as long as the plug-in is loaded, so
# each case runs its lines in one shell. A second word is ignored.

$ torvane -c "longyears StRiCt" -c "longyears" -c "longyears on off" -c "longyears" -c "longyears off" -c "longyears"
  LONGYEARS is STRICT
  LONGYEARS is ON
  LONGYEARS is OFF

# An unknown option fails, is named in capitals, and leaves the mode.
$ torvane -c "longyears strict" -c "longyears yes" -c "longyears"
! KALENDRA plugin: Unknown LONGYEARS option "YES"
  LONGYEARS is STRICT

$ printf 'longyears on\r\nlongyears maybe\r\nlongyears\r\n' > years.btm; torvane years.btm
! KALENDRA plugin: {{path years.btm}} [2]  Unknown LONGYEARS option "MAYBE"
  LONGYEARS is ON

# The usage: tabs shown as <TAB>, each line end as "|" (so that empty lines
# and the two trailing spaces show).
$ torvane -c "longyears /?" | tr -d '\r' | sed 's/\t/<TAB>/g; s/$/|/'
  Enable or disable two-digit years in local date formats.|
  |
  LONGYEARS [OFF | ON | STRICT]|
  |
  <TAB>OFF:<TAB>output two-digit years in formats 0-3 (default)|
  <TAB>ON:<TAB>output four-digit years in formats 0-3|
  <TAB>STRICT:<TAB>also require four-digit years in all input dates  |

$ torvane -c "longyears strict" -c "longyears /?anything" -c "longyears" | tail -n 1
  LONGYEARS is STRICT
