#!/usr/bin/env bash
# qcal /P on a 25-row terminal (tmux): "- More -" after the 25th line end,
# a key continues without being echoed or left in the input, and the
# shell's prompt works afterwards.
# Usage: paging_on_a_terminal.sh TORVANE
set -euo pipefail
torvane="$1"
session="paging"
history=100
source "$(dirname "$0")/../support/terminal.sh"

cd "$work"
open_terminal 100 25 "env TERM=xterm $torvane"
wait_for "torvane>"
keys "qcal /P /D /E /Y 2016" Enter
wait_for "- More -"
# The pause follows the 25th line end of the calendar.
after_command=$(pane | sed -n '/qcal \/P/,$p' | tail -n +2)
[ "$(echo "$after_command" | sed -n 26p)" = "- More -" ] || { echo "pause not after 25 lines:"; pane; exit 1; }
[ "$(echo "$after_command" | sed -n 2p | sed 's/ *$//')" = "                          ---  2016  ---" ] || { echo "unexpected top"; pane; exit 1; }
keys "x"
wait_for "25 26 27 28 29 30 31"
sleep 0.2
keys "echo after the calendar" Enter
wait_for "after the calendar"
sleep 0.2
if pane | grep -q "More"; then echo "the pause was not erased"; pane; exit 1; fi
if pane | grep -q "xecho\|Unknown command"; then echo "the key was left in the input"; pane; exit 1; fi
if pane | grep -q "^x"; then echo "the key was echoed"; pane; exit 1; fi
echo "paging on a terminal: ok"
