#!/usr/bin/env bash
# @pickdate's dialog under Wine, on the session's X display: the countdown
# closes it with the selected date, keys (xdotool) move the selection and
# Enter accepts it, Escape cancels, a click on a day selects it and a double
# click accepts it, and in a console window it opens over its middle. A
# screenshot of the open dialog is kept in OUTPUT_DIR.
# Usage: picker_dialog_under_wine.sh WINE_RUNNER TORVANE_EXE OUTPUT_DIR
set -euo pipefail
runner="$1"
torvane="$2"
output="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$output"

# Starts @pickdate with the arguments in the background; its result goes to
# $work/result.
start() {
  rm -f "$work/result"
  "$runner" run "$torvane" -c "echo [%@pickdate[$1]]" > "$work/result" 2>&1 &
  shell=$!
}
# The dialog's window, once it is mapped.
find_dialog() {
  for _ in $(seq 200); do
    dialog=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && return 0
    sleep 0.1
  done
  echo "no window \"$1\""; exit 1
}
result_is() {
  wait "$shell" || true
  [ "$(tr -d '\r' < "$work/result")" = "$1" ] || { echo "expected $1, got: $(cat "$work/result")"; exit 1; }
}
keys() { sleep 0.3; xdotool key --window "$dialog" "$@" 2>/dev/null; }
# Clicks the centre of day cell k (0..36) of the dialog, in dialog units
# scaled by the window's size (203 by 220 units and the caption above).
click_cell() {
  local k="$1" repeat="$2" width height x y
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  width=$WIDTH; height=$HEIGHT
  x=$(( (12 + 26 * (k % 7) + 12) * width / 203 ))
  y=$(( height - (220 - (60 + 20 * (k / 7) + 8)) * width * 13 / (203 * 12) ))
  sleep 0.3
  xdotool mousemove --window "$dialog" "$x" "$y" click --repeat "$repeat" --delay 80 1 2>/dev/null
}

# The countdown: "OK - 2", then closes with the initial date.
start ",2015-12-25,4,,,,,,2"
find_dialog "Select Date"
sleep 0.5
import -window root "$output/picker.png"
result_is "[2015-12-25]"

start "Pick a day,2015-12-25,4"
find_dialog "Pick a day"
keys Right Next End
keys BackSpace Left Return
result_is "[2015-12-24]"

start ",2015-12-25,4"
find_dialog "Select Date"
keys Escape
result_is "[*CANCEL*]"

# December 2015 starts on a Tuesday: with Sunday on the left the 17th is
# cell 18 and the 19th cell 20.
start ",2015-12-25,4,,,,0"
find_dialog "Select Date"
click_cell 18 1
keys Return
result_is "[2015-12-17]"
start ",2015-12-25,4,,,,0"
find_dialog "Select Date"
click_cell 20 2
result_is "[2015-12-19]"
# In a console window, the dialog opens over the middle of it.
wineconsole "$torvane" -c "echo %@pickdate[Over the console,2015-12-25,4]" >/dev/null 2>&1 &
shell=$!
find_dialog "Over the console"
console=$(xdotool search --onlyvisible --name 'torvane\.exe$' | head -1)
centre() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}
read -r dx dy <<<"$(centre "$dialog")"
read -r cx cy <<<"$(centre "$console")"
# Within a pixel or two: halves of odd sizes round.
[ $(( (dx - cx) * (dx - cx) + (dy - cy) * (dy - cy) )) -le 8 ] || { echo "dialog $dx,$dy, console $cx,$cy"; exit 1; }
keys Escape
wait "$shell" || true
echo "picker dialog under Wine: ok"
