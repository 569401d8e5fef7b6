#!/usr/bin/env bash
# Builds the libFuzzer targets of the window-free rules with clang under
# AddressSanitizer and UBSan and runs each for a bounded time, two at a time.
# Fails when any target reports a finding; crash inputs stay in
# build/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [target...]     FUZZ_SECONDS (default 20), FUZZ_JOBS (default 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${FUZZ_SECONDS:-20}
jobs=${FUZZ_JOBS:-2}
build=build/fuzz
if [ $# -gt 0 ]; then
    targets=("$@")
    build_targets=("${targets[@]/%/_fuzz}")
else
    targets=(list_file ini_values match path_fit found_files)
    build_targets=(fuzzers)
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DTAVRIX_FUZZ=ON -DTAVRIX_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j2 --target "${build_targets[@]}"

# The fuzzers add to their corpus: they work on a copy, never on the repo.
scratch=$(mktemp -d /tmp/tavrix-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
    local name=$1
    local corpus="$scratch/corpus/$name" findings="$build/findings/$name"
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    cp tests/fuzz/corpus/"$name"/* "$corpus"/
    local rc=0
    "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" \
        >"$scratch/$name.log" 2>&1 || rc=$?
    echo "$rc" >"$scratch/$name.rc"
}

start=$SECONDS
running=0
for name in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_one "$name" &
    running=$((running + 1))
done
wait

failed=0
for name in "${targets[@]}"; do
    rc=$(cat "$scratch/$name.rc")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log" | tail -n 1)
    if [ "$rc" -eq 0 ]; then
        printf '%-16s ok       %10s runs\n' "$name" "${runs:-?}"
    else
        failed=$((failed + 1))
        printf '%-16s FINDING  exit %s, inputs in %s/findings/%s/\n' "$name" "$rc" "$build" "$name"
        grep -E 'ERROR|runtime error|SUMMARY|deadly signal|Test unit written' \
            "$scratch/$name.log" | head -n 20 | sed 's/^/    /'
        cp "$scratch/$name.log" "$build/findings/$name/last.log"
    fi
done
echo "fuzzing took $((SECONDS - start)) s; ${#targets[@]} targets, $failed with findings"
[ "$failed" -eq 0 ]
