#!/usr/bin/env bash
# The bytes a batch file's output becomes on POSIX, to a file (the buffered
# path) and to a pipe: UTF-8, each line ended by LF, a CR that is text kept.
# Usage: line_ends.sh TORVANE
set -euo pipefail
torvane="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# Each row: the batch file (printf format), then the output expected (printf format).
rows=(
  'echo abc\r\n'                          'abc\n'
  'echo abc\r\r\necho def\r\n'            'abc\r\ndef\n'
  'echo\r\necho x\r\n'                    '\nx\n'
  'echo caf\xc3\xa9 \xe2\x82\xac\r\n'     'caf\xc3\xa9 \xe2\x82\xac\n'
  'echo one\necho two'                    'one\ntwo\n'
  'echo 2015-12-25\r\necho a\rb\r\n'      '2015-12-25\na\rb\n'
)
for ((i = 0; i < ${#rows[@]}; i += 2)); do
  printf "${rows[i]}" > "$work/case.btm"
  printf "${rows[i + 1]}" > "$work/expected"
  (cd "$work" && "$torvane" case.btm > "$work/to_file")
  (cd "$work" && "$torvane" case.btm | cat > "$work/to_pipe")
  for output in to_file to_pipe; do
    if ! cmp -s "$work/expected" "$work/$output"; then
      echo "batch ${rows[i]} ($output): expected $(od -An -c "$work/expected"), got $(od -An -c "$work/$output")"
      failures=$((failures + 1))
    fi
  done
done
exit $((failures > 0))
