#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (default 15 s).
# A target that fails prints its whole report and fails the run.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for target in build/fuzz/bin/fuzz_*; do
  echo "-- $(basename "$target") for ${seconds}s"
  if "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 >"$log" 2>&1; then
    tail -1 "$log"
  else
    tail -60 "$log"
    exit 1
  fi
done
