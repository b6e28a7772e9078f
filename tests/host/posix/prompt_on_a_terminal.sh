#!/usr/bin/env bash
# The prompt on a real terminal (tmux): editing with Left and Right, Up to
# recall a line, Ctrl-R to search, Tab to complete functions and commands,
# and history that survives a restart.
# Usage: prompt_on_a_terminal.sh TORVANE
set -euo pipefail
torvane="$1"
socket="torvane-prompt-$$"
work="$(mktemp -d)"
export XDG_STATE_HOME="$work/state"
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

pane() { tmux -L "$socket" capture-pane -p -t shell -S -200; }
keys() { tmux -L "$socket" send-keys -t shell "$@"; sleep 0.15; }
# Waits up to ten seconds until the pane shows the text the given number of times.
wait_for() {
  local text="$1" times="${2:-1}"
  for _ in $(seq 200); do
    [ "$(pane | grep -cF -- "$text")" -ge "$times" ] && return 0
    sleep 0.05
  done
  echo "timed out waiting for ${times}x: $text"; pane; exit 1
}
start() {
  tmux -L "$socket" new-session -d -s shell -x 120 -y 50 "cd '$work' && env TERM=xterm '$torvane'"
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
for _ in $(seq 100); do tmux -L "$socket" has-session -t shell 2>/dev/null || break; sleep 0.05; done

grep -qF "2015-12-11" "$XDG_STATE_HOME/torvane/history" || { echo "the line is not in the history file"; exit 1; }
start
keys Up Up
wait_for "torvane> echo %@dateplus[2015-12-25,7,4]"
echo "prompt on a terminal: ok"
