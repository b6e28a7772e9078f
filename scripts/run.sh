#!/usr/bin/env bash
# Installs what is missing, builds kalendra and the torvane shell, and starts
# torvane with kalendra loaded. Arguments are passed on to torvane.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native
exec build/native/bin/torvane "$@"
