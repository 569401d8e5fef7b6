#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite: the window-free rules
# natively under AddressSanitizer and UBSan and briefly fuzzed, then everything under
# Wine in Xvfb: the 64-bit build on every machine, and the 32-bit build too where the
# machine runs 32-bit programs (TAVRIX_64BIT_ONLY=1 skips it anywhere). The last line
# sums up every test that ran.
source "$(dirname "$0")/prelude.sh"
scratch=$(mktemp -d /tmp/tavrix-test.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

# The Japanese runs need code page 932; under another one every window test fails on
# its own. Asked in a throwaway prefix.
problem=$(wine_env 64 "$scratch/check" && japanese_code_page_problem)
if [ -n "$problem" ]; then
    echo "$problem" >&2
    exit 1
fi

for preset in native fuzz win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

failed_runs=0

# logged NAME COMMAND...: runs the command with its output shown and kept for the total.
logged() {
    local name=$1
    shift
    local status=0
    "$@" 2>&1 | tee "$scratch/$name.log" || status=$?
    [ "$status" -eq 0 ] || failed_runs=$((failed_runs + 1))
}

# wine_suite BITS: that build's CTest run on a virtual display of its own; its test
# preset gives it a throwaway Wine prefix and HOME (never the user's settings or
# recycle bin), made afresh under the build folder.
wine_suite() {
    xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "win$1" -j "$(nproc)"
}

logged native ctest --preset native -j "$(nproc)"
# Short bounded fuzzing of the window-free parsers and rules, beside the Wine suite,
# which mostly waits on Wine; its output follows that suite's.
ctest --preset fuzz -j "$(nproc)" >"$scratch/fuzz.log" 2>&1 &
fuzzing=$!
logged win64 wine_suite 64
why_not_32=$(why_no_32bit)
if [ -z "$why_not_32" ]; then
    logged win32 wine_suite 32
else
    # What the 32-bit program asks of Windows in its manifest is read without Wine.
    logged win32 ctest --preset win32 -R '^manifest$'
fi
wait "$fuzzing" || failed_runs=$((failed_runs + 1))
cat "$scratch/fuzz.log"

echo
echo "Tested under Wine: the 64-bit build (build/win64/tavrix.exe)."
if [ -z "$why_not_32" ]; then
    echo "Tested under Wine: the 32-bit build (build/win32/tavrix.exe)."
else
    echo "Not tested under Wine: the 32-bit build (built in build/win32, its manifest checked), because $why_not_32."
fi
# One summary in CTest's own words over every CTest run above.
cat "$scratch"/*.log | awk -v runs="$failed_runs" '
    /^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+$/ { failed += $4; total += $NF }
    END {
        passed = total - failed
        percent = total ? int(passed * 100 / total + 0.5) : 0
        if (failed > 0 && percent > 99) percent = 99
        printf "%d%% tests passed, %d tests failed out of %d\n", percent, failed, total
        exit (runs > 0 || failed > 0)
    }'
