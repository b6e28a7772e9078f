#!/usr/bin/env bash
# Builds the libFuzzer targets (ASan + UBSan) and runs each for a while
# (default 15 s), FUZZ_JOBS targets at a time (default 1). Each starts from
# its seed corpus in fuzz/corpus/ and the grammar's dictionary; what it
# finds on the way is kept in build/fuzz/corpus/. Prints the executions of
# each target; a target that fails prints its whole report and fails the run.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/logs

run_target() {
  local target="$1" seconds="$2" name log
  name="$(basename "$target")"
  log="build/fuzz/logs/$name.log"
  mkdir -p "build/fuzz/corpus/$name"
  if "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -dict=fuzz/kalendra.dict \
      -artifact_prefix="build/fuzz/logs/$name-" "build/fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "$name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions in ${seconds} s, no failure"
  else
    tail -60 "$log"
    echo "$name: FAILED (the input is in build/fuzz/logs/)"
    return 1
  fi
}
export -f run_target

ls build/fuzz/bin/fuzz_* | xargs -P "${FUZZ_JOBS:-1}" -I{} bash -c 'run_target "$@"' _ {} "$seconds"
