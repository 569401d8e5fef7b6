#!/usr/bin/env bash
# A Wine session on the current display: the prefix set up, one persistent wineserver and
# one desktop kept open, so that each Wine process starts fast, and Wine's helpers started
# once with their output discarded, or they would inherit the caller's pipes and hold
# them open. Needs the environment of wine_env (scripts/wine-env.sh) or of a Wine test
# preset.
#
#   wine-session.sh COMMAND...   runs the command inside a session of its own
#   wine-session.sh --start DIR  makes the prefix and HOME afresh, both in DIR, and leaves
#                                the session running: the test fixture that opens a run
#   wine-session.sh --stop       ends it
set -u
: "${WINELOADER:?run under wine_env or a Wine test preset}" "${WINEPREFIX:?run under wine_env or a Wine test preset}"

start() {
    # The wineserver stays bound to the display it first sees.
    : "${DISPLAY:?Wine needs a display: run inside one (xvfb-run -a ...)}"
    # Made like a real home: Wine creates only Trash/ and its two folders, and without
    # ~/.local/share a process decides that it has no recycle bin at all.
    mkdir -p "$HOME/.local/share"
    "$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager, Wine waits 2 s for one at every hide of a managed window.
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        </dev/null >/dev/null 2>&1
    bash "$(dirname "$0")/wine-fonts.sh"
    wineserver -p </dev/null >/dev/null 2>&1
    # Wine closes the desktop a second after the last program on it has ended, and the
    # next one then waits ten seconds for a new desktop: a shell that waits for input
    # that never comes (it holds the pipe's other end itself) keeps it open throughout.
    local keep
    keep=$(mktemp -u /tmp/tavrix-desktop.XXXXXX)
    mkfifo "$keep"
    "$WINELOADER" cmd /q <>"$keep" >/dev/null 2>&1 &
    rm "$keep"
    "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
}

case ${1:-} in
--start)
    dir=${2:?--start DIR}
    # Never anyone's own prefix or home: only what lies in DIR is made afresh.
    for folder in "$WINEPREFIX" "$HOME"; do
        case $folder/ in
        "$dir"/?*) ;;
        *)
            echo "$folder is not in $dir: run the tests through their preset (ctest --preset ...)" >&2
            exit 1
            ;;
        esac
    done
    wineserver -k 2>/dev/null
    rm -rf "$dir"
    start
    ;;
--stop)
    wineserver -k 2>/dev/null
    exit 0
    ;;
*)
    start || exit
    "$@"
    status=$?
    wineserver -k 2>/dev/null
    exit $status
    ;;
esac
