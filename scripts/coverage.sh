#!/usr/bin/env bash
# Line coverage of the plug-in (src/, the Windows back-end aside) and of the
# shell (host/) over the unit tests, the end-to-end cases and a replay of
# every fuzz target's corpus, with clang's source-based coverage. Prints a
# report per file and the total; the annotated sources are written to
# build/coverage/html/index.html.
# Usage: coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh fuzz
cmake --preset coverage >/dev/null
cmake --build --preset coverage

profiles="$PWD/build/coverage/profiles"
rm -rf "$profiles"
# One pool of files per binary, merged as the processes run: the end-to-end
# cases start thousands of shells.
export LLVM_PROFILE_FILE="$profiles/%8m.profraw"
ctest --preset coverage >/dev/null || echo "(some tests failed; the coverage is still reported)"
for target in build/coverage/bin/fuzz_*; do
  name="$(basename "$target")"
  corpora=("fuzz/corpus/$name")
  [[ -d "build/fuzz/corpus/$name" ]] && corpora+=("build/fuzz/corpus/$name")
  "$target" -runs=0 "${corpora[@]}" >/dev/null 2>&1
done

# The helpers compiled into both libraries (src/frame/text.cpp) are counted
# once per library; llvm-cov warns that their data differ, and adds them.
llvm-profdata merge -sparse "$profiles"/*.profraw -o build/coverage/merged.profdata
objects=()
for binary in build/coverage/bin/*; do
  [[ -f "$binary" && -x "$binary" || "$binary" == *.so ]] && objects+=(-object "$binary")
done
ignored='(/usr/|/tests/|/fuzz/|/bench/|/googletest/|/platform/win32/)'
options=(-instr-profile build/coverage/merged.profdata -ignore-filename-regex "$ignored")
llvm-cov report "${options[@]}" "${objects[@]:1}" | sed "s|$PWD/||"
llvm-cov show "${options[@]}" "${objects[@]:1}" -format=html -output-dir build/coverage/html >/dev/null

echo
echo "Lines never run:"
llvm-cov export "${options[@]}" "${objects[@]:1}" -format=lcov | python3 -c '
import sys
missed, name = {}, None
for line in sys.stdin:
    if line.startswith("SF:"):
        name = line[3:].strip()
    elif line.startswith("DA:"):
        number, count = map(int, line[3:].split(",")[:2])
        if count == 0: missed.setdefault(name, set()).add(number)
for name in sorted(missed):
    numbers = sorted(missed[name])
    if not numbers: continue
    ranges, start = [], numbers[0]
    for a, b in zip(numbers, numbers[1:] + [None]):
        if b != a + 1:
            ranges.append(str(start) if start == a else f"{start}-{a}")
            start = b
    print("  " + name.replace(sys.argv[1] + "/", "") + ": " + ", ".join(ranges))
' "$PWD"
