#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (default 15 s).
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/bin/fuzz_*; do
  echo "-- $(basename "$target") for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 2>&1 | tail -1
done
