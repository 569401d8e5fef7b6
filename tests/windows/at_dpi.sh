#!/usr/bin/env bash
# Runs a test program with Wine's screen set to another number of pixels per inch,
# restoring the usual 96 afterwards.
set -u
dpi=$1
shift
loader=${WINELOADER:?}
key='HKCU\Control Panel\Desktop'
"$loader" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
TAVRIX_EXPECT_DPI=$dpi "$loader" "$@"
status=$?
"$loader" reg add "$key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
exit $status
