#!/usr/bin/env bash
# Makes the release in dist/: tavrix-<version>-win32.zip and tavrix-<version>-win64.zip,
# each holding the folder tavrix/ with tavrix.exe, readme.txt and LICENSE.txt; SHA256SUMS
# over both; BUILDINFO.txt with the commit and the exact tools.
#
# Usage: release.sh [--no-install] [win32|win64]...   (both builds unless named)
#
# Two runs on the same commit give the same bytes, in any clone at any path and at any
# time: each build compiles in a folder of its own, with the source and build paths
# mapped out of the program and SOURCE_DATE_EPOCH (the commit's time) as the PE time
# stamp; the zips hold sorted entries with the commit's time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

install=true
builds=()
for arg in "$@"; do
    case $arg in
    --no-install) install=false ;;
    win32 | win64) builds+=("$arg") ;;
    *) echo "usage: release.sh [--no-install] [win32|win64]..." >&2; exit 1 ;;
    esac
done
[ ${#builds[@]} -gt 0 ] || builds=(win32 win64)
if $install; then bash scripts/install.sh; fi

# A release is a commit: uncommitted changes would be in the bytes but in no commit.
if ! git diff --quiet HEAD --; then
    echo "release.sh: the working tree has uncommitted changes; commit them first." >&2
    exit 1
fi
commit=$(git rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC
# The one place the version is written.
version=$(sed -n 's/^project(tavrix VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release.sh: no version in CMakeLists.txt" >&2; exit 1; }

# ccache where the machine has it, with no base folder: a cached object then stands
# only for the same compile at this very path, and no other clone's objects can hide a
# path that reached the program.
export CCACHE_BASEDIR=
launcher=$(command -v ccache || true)
dist="$root/dist"
rm -rf "$dist"
mkdir -p "$dist"

triplets=()
for build in "${builds[@]}"; do
    case $build in
    win32) triplet=i686-w64-mingw32 toolchain=cmake/mingw-i686.cmake ;;
    win64) triplet=x86_64-w64-mingw32 toolchain=cmake/mingw-x86_64.cmake ;;
    esac
    dir="$root/build/release-$build"
    rm -rf "$dir"
    # Neither path may reach the program; -s leaves out the symbol table and the
    # runtime's debugging sections, which a user has no use for.
    maps="-ffile-prefix-map=$root=. -ffile-prefix-map=$dir=build"
    cmake -S . -B "$dir" --toolchain "$toolchain" -G "Unix Makefiles" \
        -DCMAKE_BUILD_TYPE=Release -DTAVRIX_WERROR=ON \
        -DCMAKE_C_FLAGS="$maps" -DCMAKE_CXX_FLAGS="$maps" -DCMAKE_EXE_LINKER_FLAGS=-s \
        -DCMAKE_C_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" >/dev/null
    cmake --build "$dir" --target tavrix --parallel "$(nproc)"
    python3 scripts/pack_release.py --version "$version" --time "$SOURCE_DATE_EPOCH" \
        --exe "$dir/tavrix.exe" --readme docs/readme.txt.in --license LICENSE \
        --out "$dist/tavrix-$version-$build.zip"
    triplets+=("$triplet")
done

(cd "$dist" && sha256sum -- *.zip >SHA256SUMS)

{
    echo "Tavrix $version"
    echo "commit: $commit"
    echo "SOURCE_DATE_EPOCH: $SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%dT%H:%M:%SZ))"
    echo "built: ${builds[*]} on $(. /etc/os-release && echo "$PRETTY_NAME")"
    echo
    echo "Packages:"
    dpkg-query -W -f '${db:Status-Abbrev} ${Package} ${Version}\n' 'gcc-mingw-w64*' 'g++-mingw-w64*' \
        'binutils-mingw-w64*' 'mingw-w64*' 2>/dev/null | awk '$1 == "ii" { print "  " $2, $3 }'
    echo
    echo "Tools:"
    for triplet in "${triplets[@]}"; do
        echo "  $("$triplet-g++-posix" --version | head -n 1)"
        echo "  $("$triplet-ld" --version | head -n 1)"
    done
    echo "  $(cmake --version | head -n 1)"
    echo "  python $(python3 -c 'import sys, zlib; print(sys.version.split()[0], "with zlib", zlib.ZLIB_RUNTIME_VERSION)')"
} >"$dist/BUILDINFO.txt"

echo
cat "$dist/SHA256SUMS"
echo "Release $version from $commit in $dist"
