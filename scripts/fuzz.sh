#!/usr/bin/env bash
# Fuzzes the window-free rules with libFuzzer under AddressSanitizer and UBSan:
# the suite's fuzz tests, for longer when asked. Crash inputs stay in
# build/fuzz/tests/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [target...]     FUZZ_SECONDS a target (default 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset fuzz -DTAVRIX_FUZZ_SECONDS="${FUZZ_SECONDS:-20}" >/dev/null
cmake --build --preset fuzz
filter=()
if [ $# -gt 0 ]; then
    pattern=$(printf '^fuzz_%s$|' "$@")
    filter=(-R "${pattern%|}")
fi
ctest --preset fuzz "${filter[@]}"
