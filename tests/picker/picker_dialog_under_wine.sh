#!/usr/bin/env bash
# @pickdate's dialog under Wine, on the session's X display: the countdown
# closes it with the selected date, keys (xdotool) move the selection and
# Enter accepts it, Escape cancels, a click on a day selects it and a double
# click accepts it, the selection is drawn in the colours of a light and a
# dark scheme, and in a console window it opens over its middle. A
# screenshot of the open dialog is kept in OUTPUT_DIR.
# Usage: picker_dialog_under_wine.sh WINE_RUNNER TORVANE_EXE OUTPUT_DIR
set -euo pipefail
. "$(dirname "$0")/../support/wine_window.sh"
runner="$1"
torvane="$2"
output="$3"
work="$(mktemp -d)"
# The scheme the dark case sets is taken back whatever happens.
light_scheme() { "$runner" run reg delete 'HKCU\Control Panel\Colors' /v ButtonFace /f >/dev/null 2>&1 || true; }
trap 'light_scheme; rm -rf "$work"' EXIT
mkdir -p "$output"

# Starts @pickdate with the arguments in the background; its result goes to
# $work/result.
start() {
  rm -f "$work/result"
  "$runner" run "$torvane" -c "echo [%@pickdate[$1]]" > "$work/result" 2>&1 &
  shell=$!
}
# The dialog's window, once it is mapped.
find_dialog() { await_window "$1"; dialog="$window"; }
result_is() {
  wait "$shell" || true
  [ "$(tr -d '\r' < "$work/result")" = "$1" ] || fail "expected $1, got: $(cat "$work/result")"
}
keys() { sleep 0.3; xdotool key --window "$dialog" "$@" 2>/dev/null; }
# The point of day cell k (0..36) a number of dialog units from its left
# edge, in the window: dialog units scaled by the window's size (203 by 220
# units, the caption above them). Sets X, Y (the window's) and px, py.
cell_point() {
  local k="$1" across="$2"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  px=$(( (12 + 26 * (k % 7) + across) * WIDTH / 203 ))
  py=$(( HEIGHT - (220 - (60 + 20 * (k / 7) + 8)) * WIDTH * 13 / (203 * 12) ))
}
click_cell() {
  cell_point "$1" 12
  sleep 0.3
  xdotool mousemove --window "$dialog" "$px" "$py" click --repeat "$2" --delay 80 1 2>/dev/null
}
# The colour on the screen at the left of day cell k, as "srgb(r,g,b)".
cell_colour() {
  cell_point "$1" 2
  import -window root "$work/shot.png"
  convert "$work/shot.png" -format "%[pixel:p{$((X + px)),$((Y + py))}]" info:
}

# The countdown: "OK - 2", then closes with the initial date.
start ",2015-12-25,4,,,,,,2"
find_dialog "Select Date"
sleep 0.5
import -window root "$output/picker.png"
[ "$(cell_colour 26)" = "srgb(184,184,255)" ] || fail "selected on a light face: $(cell_colour 26)"
result_is "[2015-12-25]"

# On a dark button face the selection is drawn dark.
"$runner" run reg add 'HKCU\Control Panel\Colors' /v ButtonFace /t REG_SZ /d '40 40 40' /f >/dev/null 2>&1
start "Dark,2015-12-25,4,,,,,,1"
find_dialog "Dark"
sleep 0.5
colour=$(cell_colour 26)
light_scheme
[ "$colour" = "srgb(48,48,96)" ] || fail "selected on a dark face: $colour"
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
console=$(visible_window 'torvane\.exe$')
read -r dx dy <<<"$(centre "$dialog")"
read -r cx cy <<<"$(centre "$console")"
# Within a pixel or two: halves of odd sizes round.
[ $(( (dx - cx) * (dx - cx) + (dy - cy) * (dy - cy) )) -le 8 ] || fail "dialog $dx,$dy, console $cx,$cy"
keys Escape
wait "$shell" || true
echo "picker dialog under Wine: ok"
