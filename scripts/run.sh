#!/usr/bin/env bash
# Installs what is missing, builds tavrix.exe and opens it: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit one otherwise, and at the end says why.
# Without a display it runs on a virtual one, saves a screenshot, prints its path and
# closes the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh

bash scripts/install.sh
why_not_32=$(why_no_32bit)
bits=32
[ -z "$why_not_32" ] || bits=64
echo "Opening the ${bits}-bit build."
cmake --preset "win$bits" >/dev/null
cmake --build --preset "win$bits" --target tavrix
exe="$root/build/win$bits/tavrix.exe"

if [ -n "${DISPLAY:-}" ]; then
    # Your own prefix and settings, with the loader of this build.
    WINELOADER=$(wine_loader "$bits")
    export WINELOADER LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
    bash scripts/wine-fonts.sh
    "$WINELOADER" "$exe"
else
    shot="$root/build/win$bits/tavrix-window.png"
    # A prefix and HOME of its own: the virtual display's settings stay out of yours.
    preview="$root/build/win$bits/preview"
    show() {
        wine_env "$bits" "$preview"
        xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/wine-session.sh bash scripts/screenshot.sh "$exe" "$shot"
    }
    # A prefix left half made by an interrupted first start never mends itself.
    if ! show; then
        echo "Making the preview prefix afresh: $preview"
        rm -rf "$preview"
        show
    fi
    echo "Screenshot: $shot"
fi
if [ -n "$why_not_32" ]; then
    echo "Opened the 64-bit build ($exe), not the 32-bit one, because $why_not_32."
fi
