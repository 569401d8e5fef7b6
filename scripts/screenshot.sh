#!/usr/bin/env bash
# Starts tavrix.exe on the current (virtual) display, waits until its main window is
# drawn, saves a screenshot of the screen and closes the program again.
set -euo pipefail
exe=$1
out=$2
# shellcheck source=scripts/desktop.sh
source "$(dirname "$0")/desktop.sh"

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
# Drawn once the folder label's text is on the screen.
measure_frame "$window" 386 299
drawn=true
wait_until 30 has_dark_text "$window" 8 8 100 12 || drawn=false
mkdir -p "$(dirname "$out")"
$drawn && import -window root "$out"
# Alt+F4 closes it as a user would, so it saves its settings on the way out.
xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
wait_until 10 ended || kill "$pid" 2>/dev/null || true
wait "$pid" || true
$drawn || { echo "tavrix.exe did not draw its main window" >&2; exit 1; }
test -s "$out"
