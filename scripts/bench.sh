#!/usr/bin/env bash
# Builds the measuring programs and prints the speed and memory table of README's
# "Speed" section: for the 32-bit build where this machine runs 32-bit programs, the
# 64-bit one otherwise (TAVRIX_64BIT_ONLY=1 picks it anywhere), and at the end says why.
# Not part of the test suite. Options go to bench/run_bench.py.
source "$(dirname "$0")/prelude.sh"
pick_build
echo "Measuring the ${bits}-bit build."
# The program as released, and once more counting where the walk's time goes.
for preset in "win$bits" "win$bits-bench"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target bench
done
build="$root/build/win$bits"

# A throwaway Wine prefix and HOME: the delete runs fill this HOME's trash, never yours.
scratch=$(mktemp -d /tmp/tavrix-bench-run.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
wine_env "$bits" "$scratch"
session() { xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine-session.sh "$@"; }

session python3 bench/run_bench.py "$build" --profile-build "$build-bench" "$@"
# Every label change, repaint and event pump is a round trip to the wineserver; on one
# core with the program they cost less and vary less, which shows how much of (a) they are.
taskset -c 0 bash -c "$(declare -f session); session python3 bench/run_bench.py '$build' \
    --walk-only --rounds 3 --label 'Program, wineserver and X server on one core.'"
said_why_64 Measured "$build"
