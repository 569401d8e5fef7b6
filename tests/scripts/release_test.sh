#!/usr/bin/env bash
# The 64-bit release as scripts/release.sh makes it: built twice, in two clones of this
# commit at different paths, to the same bytes; the zip's entries; a readme.txt that
# Notepad reads right and that names the program's own version and every option the
# program lists; the program run from where the zip was unzipped, in a Wine prefix that
# holds nothing else of ours.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/desktop.sh
source "$root/scripts/desktop.sh"
source "$root/scripts/wine-env.sh"
scratch=$(mktemp -d /tmp/tavrix-release.XXXXXX)
trap 'WINEPREFIX="$scratch/wine/prefix" wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

summary() {
    echo "release: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

echo "commit $(git -C "$root" rev-parse HEAD)"
# At two paths that are the same for every run on this machine, from any clone, so that
# ccache, whose key holds each path, serves what did not change; one run at a time. The
# cache lies beside them: the HOME a test runs with is a throwaway one.
clones_dir=/tmp/tavrix-release-test
exec 9>"$clones_dir.lock"
flock 9
export CCACHE_DIR=$clones_dir.ccache
rm -rf "$clones_dir"
trap 'WINEPREFIX="$scratch/wine/prefix" wineserver -k 2>/dev/null; rm -rf "$scratch" "$clones_dir"' EXIT
clones=("$clones_dir/a/tavrix" "$clones_dir/another/clone/of/tavrix")
for clone in "${clones[@]}"; do
    git clone -q "$root" "$clone" &&
        (cd "$clone" && bash scripts/release.sh --no-install win64) >"$clone.log" 2>&1 ||
        { cat "$clone.log"; bad "release.sh builds in $clone"; summary; }
done
zips=("${clones[0]}"/dist/*-win64.zip)
zip=${zips[0]}
name=$(basename "$zip")
sha256sum "$zip" "${clones[1]}/dist/$name"
check "two clones build the same zip" cmp "$zip" "${clones[1]}/dist/$name"
check "SHA256SUMS holds the bare name and verifies" \
    bash -c 'cd "$1" && grep -q "  $2\$" SHA256SUMS && sha256sum -c --quiet SHA256SUMS' _ \
    "$(dirname "$zip")" "$name"

python3 -m zipfile -l "$zip"
check "the zip holds tavrix/ with tavrix.exe, readme.txt and LICENSE.txt alone" \
    same_lines "$(python3 -c 'import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist(), sep="\n")' "$zip")" \
    "$(printf 'tavrix/\ntavrix/LICENSE.txt\ntavrix/readme.txt\ntavrix/tavrix.exe')"

# Unzipped where the readme's examples put it, and run from there.
wine_env 64 "$scratch/wine"
"$WINELOADER" wineboot -i </dev/null >/dev/null 2>&1
wineserver -p
tools="$WINEPREFIX/drive_c/Tools"
python3 -m zipfile -e "$zip" "$tools"
mkdir -p "$WINEPREFIX/drive_c/Work"
touch "$WINEPREFIX/drive_c/Work/a.tmp" "$WINEPREFIX/drive_c/Work/b.txt"
run() { "$WINELOADER" 'C:\Tools\tavrix\tavrix.exe' "$@" </dev/null 2>"$scratch/stderr"; }
check "tavrix.exe /list runs from the unzipped folder and lists what it selects" \
    same_lines "$(run /list /folder 'C:\Work' /pattern .tmp | tr -d '\r')" 'C:\Work\a.tmp'
run '/?' >"$scratch/usage.txt"

check "readme.txt: UTF-8 with a BOM, CR LF only, the exe's version, every option of /?" \
    python3 - "$tools/tavrix/readme.txt" "$tools/tavrix/tavrix.exe" "$scratch/usage.txt" <<'EOF'
import re, struct, sys
raw = open(sys.argv[1], "rb").read()
problems = []
if not raw.startswith(b"\xef\xbb\xbf"):
    problems.append("no byte-order mark")
if raw.count(b"\n") != raw.count(b"\r\n") or raw.count(b"\r") != raw.count(b"\r\n"):
    problems.append("a line end other than CR LF")
text = raw[3:].decode("utf-8")
# The product version of the fixed part of the version resource, after its signature.
image = open(sys.argv[2], "rb").read()
ms, ls = struct.unpack_from("<II", image, image.index(b"\xbd\x04\xef\xfe") + 16)
version = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
if not re.search(rf"^【バージョン】\s*{re.escape(version)}\s*$", text, re.M):
    problems.append(f"the header names no version {version}")
if version not in text.partition("■履歴")[2]:
    problems.append(f"the history has no entry for {version}")
options = set(re.findall(r"/[a-z]+", open(sys.argv[3], encoding="utf-8").read()))
if len(options) < 2:
    problems.append(f"/? listed no options: {sorted(options)}")
problems += [f"{o} not named" for o in sorted(options) if not re.search(rf"{o}(?![a-z])", text)]
sys.exit("\n".join(problems) or None)
EOF

summary
