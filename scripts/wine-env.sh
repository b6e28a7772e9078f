#!/usr/bin/env bash
# Runs Windows programs of the build under Wine, in the project's private
# prefix (build/wine, made once and reused), quietly and without a desktop.
#
#   wine-env.sh prefix            make the prefix if it does not exist yet
#   wine-env.sh run PROGRAM ARGS  run one program (what CMake's emulator calls)
#   wine-env.sh session CMD ARGS  run CMD with an Xvfb display and one wine
#                                 server kept alive for all of its programs
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${KALENDRA_WINEPREFIX:-$root/build/wine}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"  # quiet unless a test asks for a trace
# Wine reads the command line and the environment in the Unix character set;
# without a locale that is ASCII, and anything beyond it would be lost.
if [[ -z "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ]]; then export LANG=C.UTF-8; fi
# No installer dialogs for .NET and the HTML engine: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

prefix_is_ready() { [[ -f "$WINEPREFIX/.kalendra-ready" ]]; }

# Builds the prefix in a scratch folder and renames it into place, so that an
# interrupted build never leaves a half-made prefix behind.
make_prefix() {
  local scratch="$WINEPREFIX.new.$$"
  rm -rf "$scratch"
  WINEPREFIX="$scratch" wineboot -i >/dev/null 2>&1
  # Dialog tests draw text: the Windows fonts Wine ships, and Arial drawn by
  # Liberation Sans, the same on every machine.
  cp /usr/share/wine/fonts/* "$scratch/drive_c/windows/Fonts/"
  WINEPREFIX="$scratch" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
  WINEPREFIX="$scratch" wineserver -w
  touch "$scratch/.kalendra-ready"
  rm -rf "$WINEPREFIX"
  mv "$scratch" "$WINEPREFIX"
}

ensure_prefix() {
  prefix_is_ready && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two test programs started at once must not both build it.
  exec {lock}>"$WINEPREFIX.lock"
  flock "$lock"
  prefix_is_ready || make_prefix
  flock -u "$lock"
}

# Starts Xvfb on the first free display and sets DISPLAY.
start_display() {
  local number_file
  number_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$number_file" ]] && break
    sleep 0.05
  done
  [[ -s "$number_file" ]] || { echo "wine-env.sh: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(tr -d '\n' <"$number_file")"
  rm -f "$number_file"
}

stop_session() {
  wineserver -k 2>/dev/null || true
  [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null || true
}

command="${1:-}"
shift || true
case "$command" in
  prefix)
    ensure_prefix
    ;;
  run)
    ensure_prefix
    # As on Windows, a program may be named without its ".exe".
    if [[ $# -gt 0 && ! -e "$1" && -e "$1.exe" ]]; then set -- "$1.exe" "${@:2}"; fi
    exec wine "$@"
    ;;
  session)
    ensure_prefix
    start_display
    trap stop_session EXIT
    wineserver -p
    # Wine's own service processes start with the first program and live as
    # long as the server. Started here, they hold /dev/null, not the pipes of
    # a test whose reader would then wait for them to close.
    wineboot </dev/null >/dev/null 2>&1
    "$@"
    ;;
  *)
    echo "usage: wine-env.sh prefix | run PROGRAM [ARGS...] | session COMMAND [ARGS...]" >&2
    exit 2
    ;;
esac
