#!/usr/bin/env bash
# @pickdate drawn on a terminal (tmux): keys move the selection and Enter
# accepts it, Escape cancels, a click on a day selects it and a double click
# accepts it, the countdown closes the picker by itself, the picker is drawn
# on the terminal while the result goes to a file, and the prompt works
# afterwards. Every key of the key map works on the common terminals: under
# tmux's own terminal type and with TERM set to screen, tmux-256color and
# xterm-256color.
# Usage: picker_on_a_terminal.sh TORVANE
set -euo pipefail
torvane="$(realpath "$1")"
session="picker"
source "$(dirname "$0")/../support/terminal.sh"
# A left click at a column and line of the pane (0 = the first), as an
# tmux reports it: a press, then a release.
click() {
  local at
  at=$(printf "\\$(printf %03o $((33 + $1)))\\$(printf %03o $((33 + $2)))")
  keys -l $'\e[M '"$at"; keys -l $'\e[M#'"$at"
}
# The pane column and line of a day's number in the picture.
where() { pane | awk -v day=" $1 " '{ i = index($0 " ", day); if (i && !found) { print i, NR - 1; found = 1 } }'; }

cd "$work"

# Every key of the key map, from 2015-12-15 in 2014-06-10..2016-12-20 (the
# rows begin on Sunday): each step waits for the date line it leads to.
steps=(Right "December 16, 2015" Left "December 15, 2015" Down "December 22, 2015" Up "December 15, 2015"
       PageDown "January 1, 2016" PageUp "December 1, 2015" C-PageUp "January 1, 2015"
       C-PageDown "January 1, 2016" Down "January 8, 2016" Home "January 3, 2016" End "January 9, 2016"
       C-Home "June 10, 2014" C-End "December 20, 2016" BSpace "December 15, 2015")
for term in "" screen tmux-256color xterm-256color; do
  session="keys${term:+-$term}"
  open_terminal 80 24 "env ${term:+TERM=$term} LANG=C.UTF-8 $torvane"
  wait_for "torvane>"
  keys "echo [%@pickdate[,2015-12-15,4,2014-06-10,2016-12-20]]" Enter
  wait_for "December 2015"
  for ((i = 0; i < ${#steps[@]}; i += 2)); do
    keys "${steps[i]}"
    wait_for "${steps[i + 1]}"
  done
  keys x  # a key of no command does nothing
  keys w  # Shift+Pause of the dialog: the weekdays turn by one column
  wait_for "Mon Tue Wed Thu Fri Sat Sun"
  keys Enter
  wait_for "[2015-12-15]"
done

session="picker"
open_terminal 80 24 "env TERM=tmux-256color LANG=C.UTF-8 $torvane"
wait_for "torvane>"

keys "echo [%@pickdate[,2015-12-25,4]]" Enter
wait_for "December 2015"
keys Right PageDown End
wait_for "January 2, 2016"
keys Enter
wait_for "[2016-01-02]"

keys "echo [%@pickdate[Choose,2015-12-25,4]]" Enter
wait_for "Choose"
keys Escape
wait_for "[*CANCEL*]"

keys "echo [%@pickdate[,2015-12-25,4,2015-12-10]]" Enter
wait_for "December 2015"
read -r column line <<<"$(where 3)"
click "$column" "$line"   # before the minimum: nothing happens
sleep 0.5                 # longer than a double click
pane | grep -qF "December 25, 2015" || { echo "a greyed day was selected"; pane; exit 1; }
read -r column line <<<"$(where 17)"
click "$column" "$line"
wait_for "December 17, 2015"
sleep 0.5
click "$column" "$line"; click "$column" "$line"
wait_for "[2015-12-17]"

keys "echo [%@pickdate[,2015-12-25,4,,,,,,1]]" Enter
wait_for "OK - 1"
wait_for "[2015-12-25]"

keys "echo after the picker" Enter
wait_for "after the picker"
if pane | grep -q "Sun Mon"; then echo "the picker was not erased"; pane; exit 1; fi

# With its output in a file, the picker is drawn on the terminal.
session="redirected"
open_terminal 80 24 \
  "env TERM=tmux-256color LANG=C.UTF-8 $torvane -c 'echo %@pickdate[,2015-12-25,4]' > picked.txt; sleep 10"
wait_for "December 2015"
keys Up Enter
for _ in $(seq 100); do [ -s picked.txt ] && break; sleep 0.05; done
[ "$(tr -d '\r' < picked.txt)" = "2015-12-18" ] || { echo "redirected result: $(cat picked.txt)"; exit 1; }
echo "picker on a terminal: ok"
