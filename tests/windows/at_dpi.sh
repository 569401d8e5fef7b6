#!/usr/bin/env bash
# Runs a test program with Wine's screen set to another number of pixels per inch,
# restoring the usual 96 afterwards. With --wide-font the window font draws, for this
# run, in the monospaced face, wider than the usual one: as a font on Windows whose
# texts widen faster than its height grows.
set -u
dpi=$1
shift
wide=false
if [ "${1:-}" = --wide-font ]; then
    wide=true
    shift
fi
loader=${WINELOADER:?}
key='HKCU\Control Panel\Desktop'
"$loader" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
$wide && "$loader" reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /f \
    >/dev/null 2>&1
TAVRIX_EXPECT_DPI=$dpi "$loader" "$@"
status=$?
"$loader" reg add "$key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
$wide && bash "$(dirname "$0")/../../scripts/wine-fonts.sh"
exit $status
