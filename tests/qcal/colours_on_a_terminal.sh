#!/usr/bin/env bash
# qcal's colours on a terminal (script gives the shell one): derived from
# the attribute the shell reports, and saved with /ZZ for the next load.
# Usage: colours_on_a_terminal.sh TORVANE
set -euo pipefail
torvane="$1"
export XDG_CONFIG_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# The calendar of December 2015 with the 11th highlighted, as the terminal
# received it.
on_terminal() { script -qec "$torvane -c 'qcal 2015-12-11'" /dev/null | cat -v; }
expect() {
  local what="$1" sequence="$2" output="$3"
  if ! grep -qF -- "$sequence" <<<"$output"; then
    echo "$what: no $sequence in"; echo "$output"; exit 1
  fi
}

# Not told the terminal's colours, the shell assumes grey on black and draws
# it in the terminal's own: the highlight 0x70 in reverse video, Sundays
# 0x0C bright red on the default background.
output=$(on_terminal)
expect "highlight untold" '^[[0;7m11^[[0m' "$output"
expect "Sunday untold" '^[[0;91;49m 6^[[0m' "$output"
# Told grey on black: exact colours.
output=$(TORVANE_ATTRIBUTE=07 on_terminal)
expect "highlight at 07" '^[[0;30;47m11^[[0m' "$output"
expect "Sunday at 07" '^[[0;91;40m 6^[[0m' "$output"
# White on blue: highlight 0xF1 (blue on bright white), Sundays 0x1C.
output=$(TORVANE_ATTRIBUTE=1F on_terminal)
expect "highlight at 1F" '^[[0;34;107m11^[[0m' "$output"
expect "Sunday at 1F" '^[[0;91;44m 6^[[0m' "$output"
# Saved for background 0, picked up by the next load.
"$torvane" -c "qcal /ZZ1E /D" >/dev/null
output=$(on_terminal)
expect "saved highlight" '^[[0;93;44m11^[[0m' "$output"
# A load uses the set of the current background only: at 1F, the set of
# background 1 and not that of background 0.
TORVANE_ATTRIBUTE=1F "$torvane" -c "qcal /ZZ4E /D" >/dev/null
output=$(TORVANE_ATTRIBUTE=1F on_terminal)
expect "saved highlight at 1F" '^[[0;93;41m11^[[0m' "$output"
# Without a terminal, no colour at all.
if "$torvane" -c "qcal 2015-12-11" | grep -q $'\e'; then echo "colours in a pipe"; exit 1; fi
echo "colours on a terminal: ok"
