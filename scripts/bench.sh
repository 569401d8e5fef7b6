#!/usr/bin/env bash
# Builds the measuring programs and prints the speed and memory table of README's
# "Speed" section. Not part of the test suite. Options go to bench/run_bench.py.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install.sh
build="$root/build/bench"
cmake -S . -B "$build" --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench -j2

# A throwaway Wine prefix and HOME: the delete runs fill this HOME's trash, never yours.
scratch=$(mktemp -d /tmp/tavrix-bench-run.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home"
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home" WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
session() { xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine-session.sh "$@"; }

session python3 bench/run_bench.py "$build" "$@"
# Every label change, repaint and event pump is a round trip to the wineserver; on one
# core with the program they cost less and vary less, which shows how much of (a) they are.
taskset -c 0 bash -c "$(declare -f session); session python3 bench/run_bench.py '$build' \
    --walk-only --rounds 3 --label 'Program, wineserver and X server on one core.'"
