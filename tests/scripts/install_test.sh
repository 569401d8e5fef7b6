#!/usr/bin/env bash
# scripts/install.sh on a fresh machine whose mirror fails an i386 index: the 64-bit
# packages install, the 32-bit Wine is skipped with its reason, and the run succeeds.
# A copy of the script runs in a scratch folder against stubbed package tools.
set -euo pipefail
scratch=$(mktemp -d /tmp/tavrix-install-test.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts" "$scratch/bin"
cp "$(dirname "$0")/../../scripts/install.sh" "$scratch/scripts/"
calls="$scratch/calls"

stub() {
    printf '#!/usr/bin/env bash\necho "%s $*" >>"%s"\n%s\n' "$1" "$calls" "$2" >"$scratch/bin/$1"
    chmod +x "$scratch/bin/$1"
}
stub apt-get 'case "$*" in
update*)
    echo "Err:4 http://deb.debian.org/debian-security bookworm-security/main i386 Packages"
    echo "  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    exit 100 ;;
*:i386*)
    echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages."
    exit 100 ;;
esac'
stub dpkg ''
stub dpkg-query 'exit 1'
stub locale 'echo ja_JP.utf8'
stub sleep ''
stub sudo '"$@"'

status=0
PATH="$scratch/bin:$PATH" bash "$scratch/scripts/install.sh" >"$scratch/out" 2>&1 || status=$?

failures=0
expect() {
    grep -qxF -- "$2" "$1" || { echo "FAIL: no line '$2' in:"; cat "$1"; failures=$((failures + 1)); }
}
[ "$status" -eq 0 ] || { echo "FAIL: install.sh exited $status"; failures=$((failures + 1)); }
expect "$scratch/out" "apt-get update failed 3 times; going on without the index bookworm-security/main i386."
expect "$scratch/out" "Skipped the 32-bit Wine: wine32:i386 could not be installed (apt-get could not fetch the index bookworm-security/main i386)."
expect "$scratch/build/wine32-not-installed" "apt-get could not fetch the index bookworm-security/main i386"
# In order: the architecture, three tries of the indexes, the 64-bit packages, then wine32.
grep '^\(apt-get\|dpkg --add\)' "$calls" | sed '/^apt-get install/{/:i386/!s/ -q .*/ -q (64-bit)/}' >"$scratch/order"
printf '%s\n' "dpkg --add-architecture i386" "apt-get update -q" "apt-get update -q" "apt-get update -q" \
    "apt-get install -y -q (64-bit)" "apt-get install -y -q wine32:i386" | diff - "$scratch/order" ||
    failures=$((failures + 1))
for package in g++-mingw-w64-x86-64-posix wine64 xvfb locales fonts-ipafont-gothic googletest; do
    grep -q "^apt-get install -y -q .* $package\( \|$\)" "$calls" ||
        { echo "FAIL: the 64-bit install did not ask for $package"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ]
