# Sourced by the tests that drive torvane on a terminal through tmux: a tmux
# server of the test's own, a work folder that goes at exit, and the pane.
# The sourcing script sets `session`, the session that pane and keys talk
# to, and may set `history` (lines of scrollback that pane reads too) and
# `key_pause` (seconds to wait after each keys).
socket="torvane-test-$$"
work="$(mktemp -d)"
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

pane() { tmux -L "$socket" capture-pane -p -t "$session" ${history:+-S "-$history"}; }
keys() { tmux -L "$socket" send-keys -t "$session" "$@"; sleep "${key_pause:-0}"; }
# Waits up to ten seconds until the pane shows the text, the given number of
# times (once by default).
wait_for() {
  local text="$1" times="${2:-1}"
  for _ in $(seq 200); do
    [ "$(pane | grep -cF -- "$text")" -ge "$times" ] && return 0
    sleep 0.05
  done
  echo "timed out waiting for ${times}x: $text"; pane; exit 1
}
# Opens the session, COLUMNS wide and LINES high, running COMMAND.
open_terminal() { tmux -L "$socket" new-session -d -s "$session" -x "$1" -y "$2" "$3"; }
