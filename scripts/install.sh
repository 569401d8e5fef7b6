#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; quick when all is there.
# Everything the 64-bit build needs comes first and must install. The 32-bit Wine
# comes last, in a step of its own that may fail: the suite then tests the 64-bit
# build alone and says why (scripts/wine-env.sh reads the reason left here).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
wine32_note="$root/build/wine32-not-installed"

packages=(cmake ninja-build ccache make g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xauth xdotool xclip imagemagick locales fonts-ipafont-gothic
          trash-cli googletest libgtest-dev clang libclang-rt-14-dev python3)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

missing() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
    done
}

# A mirror in the middle of a sync fails one index for a while. Retry, then go on
# with the indexes that did come: only a package that cannot be installed fails.
# The i386 indexes come too, for the 32-bit Wine's step.
updated=false
failed_index=""
update_indexes() {
    $updated && return
    updated=true
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    local attempt out
    for attempt in 1 2 3; do
        if out=$($sudo apt-get update -q 2>&1); then return; fi
        [ "$attempt" -lt 3 ] && sleep $((attempt * 5))
    done
    failed_index=$(failed_indexes <<<"$out")
    echo "apt-get update failed 3 times; going on without the index ${failed_index:-it could not fetch}." >&2
}
# The indexes an apt-get update output says it could not fetch, as "suite/component arch".
failed_indexes() {
    sed -n 's/^Err:[0-9]* [^ ]* \(.*\) [^ ]*$/\1/p' | awk '!seen[$0]++' | paste -sd, - | sed 's/,/, /g'
}

mapfile -t need < <(missing "${packages[@]}")
if [ ${#need[@]} -gt 0 ]; then
    update_indexes
    $sudo apt-get install -y -q "${need[@]}"
fi

# Without the ja_JP.UTF-8 locale Wine misreads Japanese file names, and a process that
# has only LANG=ja_JP.UTF-8 gets code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi

# The 32-bit Wine: its i386 libraries must match their amd64 twins, so a missing i386
# index makes it uninstallable for the day. That costs the 32-bit test run, not the rest.
mkdir -p "$root/build"
if [ -z "$(missing wine32:i386)" ]; then
    rm -f "$wine32_note"
    exit 0
fi
update_indexes
if out=$($sudo apt-get install -y -q wine32:i386 2>&1); then
    rm -f "$wine32_note"
else
    # A missing index is the likelier cause than the resolver's own words.
    if [ -n "$failed_index" ]; then
        reason="apt-get could not fetch the index $failed_index"
    else
        reason=$(grep -m1 '^E: ' <<<"$out" | sed 's/^E: //; s/\.$//')
    fi
    echo "${reason:-apt-get install wine32:i386 failed}" >"$wine32_note"
    echo "Skipped the 32-bit Wine: wine32:i386 could not be installed ($(cat "$wine32_note"))." >&2
fi
