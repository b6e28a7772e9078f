#!/usr/bin/env bash
# The help under Wine, on the session's display: kalendrahelp @timediff
# hands the HTML Help engine the page f_timediff of kalendra.chm and a window
# titled "KALENDRA Plugin Help" appears; a second topic is shown in that same
# window; unloading the plug-in closes it. At the prompt of a console window
# the shell serves the help window, which paints its toolbar. With no help
# file anywhere, the message box names every place it should be. A screenshot of the help
# window is kept in the output folder.
# Usage: help_window_under_wine.sh WINE_ENV TORVANE_EXE OUTPUT_FOLDER
set -euo pipefail
. "$(dirname "$0")/../support/wine_window.sh"
wine_env="$1"
torvane="$(realpath "$2")"
bin="$(dirname "$torvane")"
out="$3"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'exec 3>&- 2>/dev/null || true; rm -rf "$work"' EXIT
help_windows() { xdotool search --name '^KALENDRA Plugin Help$' 2>/dev/null || true; }
unset KALENDRAHELP PLUGINHELP

# The shell reads its commands from a pipe that stays open between them; the
# engine's trace shows the address it was handed.
mkfifo "$work/commands"
WINEDEBUG=trace+htmlhelp "$wine_env" run "$torvane" <"$work/commands" >"$work/out" 2>"$work/trace" &
shell=$!
exec 3>"$work/commands"
send() { echo "$1" >&3; }

send "kalendrahelp @timediff"
wait_until '[[ -n "$(help_windows)" ]]' || fail "no window titled KALENDRA Plugin Help"
first="$(help_windows)"
grep -q 'kalendra.chm::/f_timediff.html' "$work/trace" || fail "the engine was not handed f_timediff"
sleep 1
import -window root "$out/help-window.png"

send "kalendrahelp @dateplus"
wait_until 'grep -q "kalendra.chm::/f_dateplus.html" "$work/trace"' || fail "the engine was not handed f_dateplus"
sleep 1
[[ "$(help_windows)" == "$first" ]] || fail "the second topic did not reuse the window: $(help_windows)"

send "plugin /U KALENDRA"
wait_until '[[ -z "$(help_windows)" ]]' || fail "the help window stayed open after the plug-in was unloaded"
send "exit"
exec 3>&-
wait "$shell" || fail "the shell failed: $(cat "$work/out")"

# At the prompt of a console window the help window is served while the
# shell waits: its toolbar is painted (a window nobody serves stays blank).
wineconsole "$torvane" >/dev/null 2>&1 &
shell=$!
wait_until 'console=$(visible_window "torvane\.exe$"); [[ -n "$console" ]]' || fail "no console window"
sleep 1
xdotool type --window "$console" "kalendrahelp qcal"
xdotool key --window "$console" Return
wait_until '[[ -n "$(help_windows)" ]]' || fail "no help window from the console"
sleep 2
import -window "$(help_windows | head -1)" "$out/help-served.png"
colours=$(convert "$out/help-served.png" -crop 600x40+0+0 -format '%k' info:)
[[ "$colours" -gt 50 ]] || fail "the help window's toolbar was not painted ($colours colours)"
# Keys for the console may now go to the help window: the shell is ended
# from outside.
pkill -x -f "$torvane" || true
wait "$shell" || true

# No help file anywhere: the shell and the plug-in alone in a folder. The
# message box's trace shows its text (Wine cuts it after 300 characters).
mkdir "$work/lonely"
cp "$bin/torvane.exe" "$bin/Torvane.dll" "$bin/kalendra-x64.dll" "$work/lonely/"
WINEDEBUG=trace+msgbox "$wine_env" run "$work/lonely/torvane.exe" -c "kalendrahelp" >"$work/out" 2>"$work/trace" &
shell=$!
await_window Error
box="$window"
sleep 1
import -window root "$out/help-missing.png"
python3 - "$work/trace" <<'CHECK' || fail "the message box does not show the text of a missing help file"
import re, sys
want = ("Can't find help file KALENDRA.CHM.  It should be:  \n\n"
        "    - in a directory specified in %KALENDRAHELP\n"
        "    - in a directory specified in %PLUGINHELP\n"
        "    - in the same directory as KALENDRA.DLL\n"
        "    - in a HELP directory within the DLL's directory\n"
        "    - in the same directory as the shell\n"
        "    - in a HELP directory within the shell's directory  \n"
        "    - or in %WINDIR\\HELP.\n")
trace = open(sys.argv[1], encoding="utf-8", errors="replace").read()
shown = re.search(r'MSGBOX_OnInit L"(.*?)"(\.\.\.)?$', trace, re.M)
text = shown and shown.group(1).replace("\\n", "\n").replace("\\\\", "\\")
sys.exit(0 if text and len(text) >= 200 and want.startswith(text) and (shown.group(2) or text == want) else 1)
CHECK
xdotool key --window "$box" Return
wait "$shell" || fail "kalendrahelp failed: $(cat "$work/out")"
echo "help under Wine: ok"
