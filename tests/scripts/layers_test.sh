#!/usr/bin/env bash
# The layers point one way: each folder includes its own headers and those of the
# layers below it, never one above, and the base includes no system header of Windows.
# The one exception is where the search reads the main window's pattern list.
set -u
cd "$(dirname "$0")/../.."
status=0

# below FOLDER: the folders its files may include from.
below() {
    case $1 in
    base) echo base ;;
    platform) echo base platform ;;
    toolkit) echo base platform toolkit ;;
    search | components) echo "base platform toolkit $1" ;;
    app) echo base platform toolkit search components app ;;
    esac
}

for folder in base platform toolkit search components app; do
    allowed=" $(below "$folder") "
    while IFS=: read -r file included; do
        [[ $allowed == *" ${included%%/*} "* ]] && continue
        [ "$file:$included" = search/findunit.cpp:app/main.h ] && continue
        echo "$file includes $included, from a layer above its own"
        status=1
    done < <(grep -r -o '^#include "[^"]*/[^"]*"' "$folder" | sed 's/#include "\(.*\)"$/\1/')
done
if grep -r -l '^#include <\(windows\|windowsx\|commctrl\|shlobj\|shobjidl\)\.h>' base; then
    echo "the files above are in base/, which includes no header of Windows"
    status=1
fi
exit $status
