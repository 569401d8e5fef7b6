#!/usr/bin/env bash
# Starts tavrix.exe on the current (virtual) display, waits until its main window is
# drawn, saves a screenshot of the screen and closes the program again. A third
# argument sets the screen's pixels per inch for this run (96 again afterwards); a
# fourth, "window", keeps the window alone, frame included.
set -euo pipefail
exe=$1
out=$2
dpi=${3:-96}
part=${4:-screen}
# shellcheck source=scripts/desktop.sh
source "$(dirname "$0")/desktop.sh"

set_dpi() {
    "${WINELOADER:?}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
}
set_dpi "$dpi"
trap 'set_dpi 96' EXIT

"${WINELOADER:?}" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
window=""
shown() {
    window=$(visible_window '自動選択削除')
    [ -n "$window" ]
}
ended() { ! kill -0 "$pid" 2>/dev/null; }
# A program that cannot start in its prefix ends at once; no use waiting on it.
started() { shown || ended; }
wait_until 30 started || true
if [ -z "$window" ]; then
    echo "tavrix.exe showed no main window" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
# Drawn once the footer's green version is on the screen, wherever the window's size
# and the scaling put it.
drawn=true
wait_until 30 has_colour "$window" 'rgb(0,128,0)' || drawn=false
mkdir -p "$(dirname "$out")"
if $drawn; then
    if [ "$part" = window ]; then snapshot "$window" "$out"; else import -window root "$out"; fi
fi
# Alt+F4 closes it as a user would, so it saves its settings on the way out.
xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
wait_until 10 ended || kill "$pid" 2>/dev/null || true
wait "$pid" || true
$drawn || { echo "tavrix.exe did not draw its main window" >&2; exit 1; }
test -s "$out"
