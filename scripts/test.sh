#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# native build, the sanitizer build and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh all

echo "== native"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== sanitizers (ASan + UBSan)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== fuzzing (libFuzzer, ASan + UBSan)"
scripts/fuzz.sh 15

echo "== Windows (mingw-w64, under Wine)"
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/wine-env.sh session ctest --preset windows
