#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: install-deps.sh [native|fuzz|all]
#   fuzz adds clang and LLVM's tools; all adds those, the Windows build and
#   Wine, and the terminal emulator the screenshots of qcal are taken in
set -euo pipefail

native=(cmake ninja-build g++ libgtest-dev libicu-dev pkg-config python3 locales bsdutils tmux libedit-dev libncurses-dev libbenchmark-dev)
windows=(mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-liberation xvfb x11-utils
         xdotool imagemagick fp-utils libchm-bin)
fuzz=(clang libclang-rt-14-dev llvm-14)
screenshots=(xterm xfonts-base xvfb x11-utils imagemagick)

wanted=("${native[@]}")
case "${1:-native}" in
  fuzz) wanted+=("${fuzz[@]}") ;;
  all) wanted+=("${windows[@]}" "${fuzz[@]}" "${screenshots[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The locales the tests run under.
for locale in de_DE en_GB en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^${locale}\.utf-\?8$"; then
    sed -i "s/^# *\(${locale}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    need_locale_gen=1
  fi
done
if [[ -n "${need_locale_gen:-}" ]]; then locale-gen >/dev/null; fi
