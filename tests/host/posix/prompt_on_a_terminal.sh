#!/usr/bin/env bash
# The prompt on a real terminal (tmux): editing with Left and Right, Up to
# recall a line, Ctrl-R to search, Tab to complete functions and commands,
# and history that survives a restart.
# Usage: prompt_on_a_terminal.sh TORVANE
set -euo pipefail
torvane="$1"
session="shell"
history=200
key_pause=0.15
source "$(dirname "$0")/../../support/terminal.sh"
export XDG_STATE_HOME="$work/state"
start() {
  open_terminal 120 50 "cd '$work' && env TERM=xterm '$torvane'"
  wait_for "torvane>"
}

start
keys "echo wrld" Left Left Left "o" Right Right Right "!" Enter
wait_for "world!"
keys "echo %@datep" Tab
wait_for "echo %@dateplus["
keys "2015-12-25,7,4]" Enter
wait_for "2016-01-01"
keys "qc" Tab
wait_for "torvane> qcal"
keys "/D 2015-12-11" Enter
wait_for "December 2015"
keys Up Enter
wait_for "December 2015" 2
keys C-r "datep"
keys Enter
wait_for "2016-01-01" 2
keys "exit" Enter
for _ in $(seq 100); do tmux -L "$socket" has-session -t "$session" 2>/dev/null || break; sleep 0.05; done

grep -qF "2015-12-11" "$XDG_STATE_HOME/torvane/history" || { echo "the line is not in the history file"; exit 1; }
start
keys Up Up
wait_for "torvane> echo %@dateplus[2015-12-25,7,4]"
echo "prompt on a terminal: ok"
