#!/usr/bin/env bash
# The help on Linux: a page as text on standard output, through the pager on
# a terminal, or handed to the browser that KALENDRAHELP_BROWSER names; the
# pages in the folder that KALENDRAHELP names; a page that does not exist;
# and the message when no folder holds the help.
# Usage: help_viewer_posix.sh BIN_FOLDER   (torvane, the plug-in, help/)
set -euo pipefail
bin="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
expect_same() {  # what, expected file, actual file
  if ! diff -u "$2" "$3" >"$work/diff"; then
    echo "FAIL: $1"; cat "$work/diff"; failures=$((failures + 1))
  fi
}
unix_text() { tr -d '\r' <"$1"; }

# The page as text when standard output is no terminal, by name and by topic.
"$bin/torvane" -c "help @roman" >out.txt
expect_same "help @roman writes the page" "$bin/help/f_roman.txt" <(unix_text out.txt)
"$bin/torvane" -c "kalendrahelp _T4" >out.txt
expect_same "kalendrahelp _T4 writes v_t4" "$bin/help/v_t4.txt" <(unix_text out.txt)

# A page that does not exist, and one that would leave the folder.
for topic in nosuch ../help/overview; do
  "$bin/torvane" -c "kalendrahelp $topic" >out.txt 2>err.txt
  printf 'KALENDRA plugin: No help page "%s" in %s\n' "$topic" "$bin/help" >want.txt
  expect_same "kalendrahelp $topic" want.txt <(unix_text err.txt)
  expect_same "kalendrahelp $topic writes nothing else" /dev/null out.txt
done

# KALENDRAHELP names a folder of its own.
mkdir mine && cp "$bin/help/"* mine/ && echo "my own overview" >mine/overview.txt
KALENDRAHELP="$work/mine" "$bin/torvane" -c "kalendrahelp" >out.txt
expect_same "KALENDRAHELP's folder comes first" mine/overview.txt <(unix_text out.txt)

# The browser gets the HTML page and the shell does not wait for it.
cat >browser <<'SCRIPT'
#!/bin/sh
echo "$1" >"$(dirname "$0")/browsed"
SCRIPT
chmod +x browser
KALENDRAHELP_BROWSER="$work/browser" "$bin/torvane" -c "kalendrahelp @timediff" >out.txt
for _ in $(seq 100); do [[ -s browsed ]] && break; sleep 0.05; done
expect_same "the browser opens f_timediff.html" <(echo "$bin/help/f_timediff.html") browsed
expect_same "the browser leaves the output alone" /dev/null out.txt

# On a terminal the pager shows the page.
cat >pager <<'SCRIPT'
#!/bin/sh
echo "$1" >"$(dirname "$0")/paged"
SCRIPT
chmod +x pager
PAGER="$work/pager" script -qec "$bin/torvane -c 'kalendrahelp qcal'" /dev/null >out.txt
expect_same "the pager gets qcal.txt" <(echo "$bin/help/qcal.txt") paged
grep -q "QCAL" out.txt && { echo "FAIL: the page was written besides the pager"; failures=$((failures + 1)); }
# A pager that is not there: the page is written instead.
PAGER="$work/no-such-pager" script -qec "$bin/torvane -c 'kalendrahelp qcal'" /dev/null >out.txt
expect_same "without its pager the page is written, and nothing else" "$bin/help/qcal.txt" <(unix_text out.txt)

# No help folder anywhere: the message names every place searched on Linux.
mkdir lonely && cp "$bin/torvane" "$bin/libtorvane.so" "$bin/libkalendra.so" lonely/
lonely/torvane -c "kalendrahelp" >out.txt 2>err.txt
cat >want.txt <<'TEXT'
KALENDRA plugin: Can't find help file kalendra.html.  It should be:  

    - in a directory specified in %KALENDRAHELP
    - in a directory specified in %PLUGINHELP
    - in the same directory as libkalendra.so
    - in a help directory within the library's directory
    - in the same directory as the shell
    - or in a help directory within the shell's directory.
TEXT
expect_same "the message of a missing help file" want.txt <(unix_text err.txt)

echo "help viewer: $failures failures"
exit $((failures > 0))
