#!/usr/bin/env bash
# Runs a command inside the current display with one persistent wineserver, so each
# Wine process starts fast; Wine's helpers start once with their output discarded, or
# they would inherit the caller's pipes and hold them open. Needs the environment of
# wine_env (scripts/wine-env.sh).
set -u
: "${WINELOADER:?run under wine_env}" "${WINEPREFIX:?run under wine_env}"
"$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1
# Without a window manager, Wine waits 2 s for one at every hide of a managed window.
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
bash "$(dirname "$0")/wine-fonts.sh"
wineserver -p
"$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k 2>/dev/null
exit $status
