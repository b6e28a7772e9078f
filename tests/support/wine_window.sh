# What the tests of windows under Wine share (sourced): a failure that ends
# the test, a wait for a condition, and the search for a visible window.
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to twenty seconds for a shell condition.
wait_until() {
  for _ in $(seq 200); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}
# The first visible window whose title matches the pattern; empty if none.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
# Waits for the visible window titled exactly TITLE and sets window to it.
await_window() {
  local title="$1"
  wait_until 'window=$(visible_window "^$title\$"); [[ -n "$window" ]]' || fail "no window \"$title\""
}
# The centre of a window on the screen, as "x y".
centre() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}
