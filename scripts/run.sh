#!/usr/bin/env bash
# Installs what is missing, builds tavrix.exe and opens it: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit one otherwise, and at the end says why.
# Without a display it runs on a virtual one, saves a screenshot, prints its path and
# closes the program.
source "$(dirname "$0")/prelude.sh"
pick_build
echo "Opening the ${bits}-bit build."
cmake --preset "win$bits" >/dev/null
cmake --build --preset "win$bits" --target tavrix
exe="$root/build/win$bits/tavrix.exe"

if [ -n "${DISPLAY:-}" ]; then
    # Your own prefix and settings, with the loader and the locale of this build.
    eval "$(wine_preset_env "$bits")"
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
said_why_64 Opened "$exe"
