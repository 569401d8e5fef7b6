#!/usr/bin/env bash
# Starts tavrix.exe on the current (virtual) display, waits for its main window,
# saves a screenshot of the screen and closes the program again.
set -euo pipefail
exe=$1
out=$2
"${WINELOADER:?}" "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --name '^自動選択削除$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "tavrix.exe showed no main window" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
sleep 1
mkdir -p "$(dirname "$out")"
import -window root "$out"
# Alt+F4 closes it as a user would, so it saves its settings on the way out.
xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || true
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill "$pid" 2>/dev/null || true
wait "$pid" || true
test -s "$out"
