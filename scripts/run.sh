#!/usr/bin/env bash
# Installs what is missing, builds tavrix.exe and opens it: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit one otherwise. Without a display it runs on
# a virtual one, saves a screenshot, prints its path and closes the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh

bash scripts/install.sh
why_not_32=$(why_no_32bit)
if [ -z "$why_not_32" ]; then
    bits=32
    echo "Opening the 32-bit build."
else
    bits=64
    echo "Opening the 64-bit build: $why_not_32."
fi
cmake --preset "win$bits" >/dev/null
cmake --build --preset "win$bits" --target tavrix
exe="$root/build/win$bits/tavrix.exe"

if [ -n "${DISPLAY:-}" ]; then
    # Your own prefix and settings, with the loader of this build.
    WINELOADER=$(wine_loader "$bits")
    export WINELOADER LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
    bash scripts/wine-fonts.sh
    exec "$WINELOADER" "$exe"
fi
shot="$root/build/win$bits/tavrix-window.png"
# A prefix and HOME of its own: the virtual display's settings stay out of yours.
wine_env "$bits" "$root/build/win$bits/preview"
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine-session.sh bash scripts/screenshot.sh "$exe" "$shot"
echo "Screenshot: $shot"
