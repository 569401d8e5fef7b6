#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite: the window-free
# rules natively under AddressSanitizer and UBSan, then everything under Wine in Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows

ctest --preset native
# Short bounded fuzzing of the window-free parsers and rules.
bash scripts/fuzz.sh

# A throwaway Wine prefix and HOME: never the user's settings or recycle bin.
scratch=$(mktemp -d /tmp/tavrix-test.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home"
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home" WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine-session.sh ctest --preset windows
