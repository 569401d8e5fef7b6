#!/usr/bin/env bash
# The README's picture of the main window, docs/main-window.png: the 64-bit build as the
# user taro finds it after he chose his Downloads folder, with subfolders on and the
# patterns such a folder gathers, drawn by Wine on a virtual display in a throwaway
# prefix and HOME.
source "$(dirname "$0")/prelude.sh"
out=${1:-$root/docs/main-window.png}

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tavrix
scratch=$(mktemp -d /tmp/tavrix-picture.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
wine_env 64 "$scratch"
# Wine names the profile folder after the Unix user: C:\users\taro.
export USER=taro LOGNAME=taro
# Made here to be filled in first; its server, started without the display, goes.
"$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1
wineserver -k
profile="$WINEPREFIX/drive_c/users/taro"

# A folder of its own where Wine made a link to HOME.
rm -f "$profile/Downloads"
mkdir -p "$profile/Downloads"
for name in 見積書_2026年12月.pdf 議事録.docx 議事録.docx.bak 旅行の写真.jpg '~WRL0003.tmp' \
    setup_tool_v2.3.zip.crdownload 講演会の録画.mp4.part 請求書.xlsx; do
    : >"$profile/Downloads/$name"
done
settings="$profile/AppData/Roaming/Brenvolt/Tavrix"
mkdir -p "$settings"
printf '[Last]\r\nFolder=C:\\Users\\taro\\Downloads\r\nSubFolder=1\r\n' >"$settings/tavrix.ini"
printf '%s\r\n' '.b?k' .crdownload .part .tmp >"$settings/extentions.lst"

xvfb-run -a -s "-screen 0 1024x768x24" \
    bash scripts/wine-session.sh bash scripts/screenshot.sh build/win64/tavrix.exe "$out" 96 window
echo "Picture: $out"
