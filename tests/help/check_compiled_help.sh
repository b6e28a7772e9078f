#!/usr/bin/env bash
# Extracts the compiled help and checks its pages and links.
# Usage: check_compiled_help.sh KALENDRA.CHM PYTHON CHECK_HELP_PY SHELL_COMMAND
set -euo pipefail
pages="$(mktemp -d)"
trap 'rm -rf "$pages"' EXIT
extract_chmLib "$1" "$pages" >/dev/null
"$2" "$3" --shell "$4" --pages "$pages"
