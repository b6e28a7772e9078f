#!/usr/bin/env bash
# cmake --install of the Linux build: exactly the files of the release, and
# an installed shell that loads its plug-in and shows its help.
# Usage: check_install.sh BUILD_FOLDER
set -euo pipefail
build="$(realpath "$1")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
pages=$(ls "$build/bin/help" | wc -l)
find . -mindepth 1 \( -type f -o -type l \) | sort >found.txt
{
  echo ./bin/torvane
  echo ./lib/kalendra/libkalendra.so
  echo ./lib/kalendra/libtorvane.so
  echo ./lib/kalendra/torvane
  echo ./share/doc/kalendra/README.md
  echo ./share/doc/kalendra/holidays.ini
} >want.txt
grep -v '^./lib/kalendra/help/' found.txt | grep -vx './found.txt' | diff -u want.txt - || { echo "FAIL: installed files"; exit 1; }
[[ $(grep -c '^./lib/kalendra/help/' found.txt) == "$pages" ]] || { echo "FAIL: not all $pages help files installed"; exit 1; }
for binary in lib/kalendra/torvane lib/kalendra/libtorvane.so lib/kalendra/libkalendra.so; do
  if readelf -S --wide "$binary" | grep -qE '\.debug_|\.symtab'; then echo "FAIL: $binary is not stripped"; exit 1; fi
done
[[ "$(bin/torvane -c 'echo %@roman[2016]' | tr -d '\r')" == MMXVI ]] || { echo "FAIL: the installed shell has no plug-in"; exit 1; }
bin/torvane -c "help @roman" | tr -d '\r' | diff -q - lib/kalendra/help/f_roman.txt >/dev/null ||
  { echo "FAIL: the installed shell shows no help page"; exit 1; }
echo "install: ok ($pages help files)"
