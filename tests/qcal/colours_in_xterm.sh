#!/usr/bin/env bash
# qcal /3 in a real terminal emulator (xterm under Xvfb), on a light and on a
# dark theme, with the shell not told the console's colours: the screenshots
# show no cell background but the terminal's own, except the highlighted day
# in reverse video, and the Sundays in red. The screenshots are kept.
# Usage: colours_in_xterm.sh TORVANE OUTPUT_FOLDER
set -euo pipefail
torvane="$(realpath "$1")"
output="$2"
checker="$(dirname "$(realpath "$0")")/check_screenshot.py"
mkdir -p "$output"
work="$(mktemp -d)"
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
unset TORVANE_ATTRIBUTE
export XDG_CONFIG_HOME="$work"  # no saved colours

display=":$((200 + $$ % 500))"
Xvfb "$display" -screen 0 640x400x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# The font "fixed" has cells of 6 by 13 pixels; 80 by 24 cells, no border.
for theme in light:ffffff:000000 dark:000000:ffffff; do
  IFS=: read -r name background foreground <<<"$theme"
  rm -f "$work/done"
  xterm -display "$display" -geometry 80x24+0+0 -b 0 -fn fixed -bg "#$background" -fg "#$foreground" \
    -e sh -c "LANG=C.UTF-8 '$torvane' -c 'qcal /3 2015-12-11'; printf '\\033[?25l'; touch '$work/done'; sleep 60" &
  terminal=$!
  for _ in $(seq 200); do [ -f "$work/done" ] && break; sleep 0.05; done
  sleep 0.5  # the last output drawn
  import -display "$display" -window root -crop 480x312+0+0 +repage "$output/qcal-$name.png"
  kill "$terminal" 2>/dev/null || true
  wait "$terminal" 2>/dev/null || true
  python3 "$checker" "$output/qcal-$name.png" 6 13 "$background" "$foreground" 2
done
echo "qcal colours in xterm: ok"
