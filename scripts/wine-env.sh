# shellcheck shell=bash
# Sourced by every script that runs Wine: the loader of each build chosen on purpose,
# and the throwaway prefix and HOME that tests and previews run in.

# wine_preset_env BITS: the environment the build's test preset (CMakePresets.json)
# gives Wine, as export lines, all but the prefix and HOME it places in the build:
# Wine's own loader for 32- or 64-bit programs (Debian's "wine" script always takes the
# 32-bit one, even where it cannot run) and the locale that makes code page 932.
wine_preset_env() {
    case $1 in
    32 | 64) ;;
    *) echo "wine_preset_env: 32 or 64, not '$1'" >&2; return 1 ;;
    esac
    python3 - "$(dirname "${BASH_SOURCE[0]}")/../CMakePresets.json" "win$1" <<'PRESETS'
import json, shlex, sys
presets = {p["name"]: p for p in json.load(open(sys.argv[1]))["testPresets"]}
def environment(name):
    preset, env = presets[name], {}
    inherited = preset.get("inherits", [])
    for parent in [inherited] if isinstance(inherited, str) else inherited:
        env.update(environment(parent))
    env.update(preset.get("environment", {}))
    return env
for key, value in environment(sys.argv[2]).items():
    if "${" not in value:
        print("export %s=%s" % (key, shlex.quote(value)))
PRESETS
}

# wine_loader BITS: Wine's own loader for 32- or 64-bit programs.
wine_loader() {
    (eval "$(wine_preset_env "$1")" && echo "$WINELOADER")
}

# wine_env BITS DIR: a Wine environment of its own for the build of that word size,
# with its prefix and HOME under DIR; a prefix made by one loader cannot serve the other.
wine_env() {
    local dir=$2 exports
    exports=$(wine_preset_env "$1") || return 1
    eval "$exports"
    export WINEPREFIX="$dir/prefix" HOME="$dir/home"
    mkdir -p "$HOME"
}

# why_no_32bit: empty when this machine runs 32-bit programs, otherwise why not. Found
# by trying, since some kernels boot with 32-bit emulation off; TAVRIX_64BIT_ONLY=1
# takes the 64-bit-only path anywhere.
why_no_32bit() {
    if [ "${TAVRIX_64BIT_ONLY:-0}" = 1 ]; then
        echo "TAVRIX_64BIT_ONLY=1 asked for the 64-bit build only"
        return
    fi
    local out note
    note="$(dirname "${BASH_SOURCE[0]}")/../build/wine32-not-installed"
    if [ ! -e "$(wine_loader 32)" ]; then
        echo "the 32-bit Wine is not installed$([ -s "$note" ] && echo ": $(cat "$note")")"
        return
    fi
    if ! out=$("$(wine_loader 32)" --version 2>&1); then
        echo "the 32-bit Wine loader does not run on this machine: ${out##*: }"
    fi
}

# pick_build: bits is 32 where this machine runs 32-bit programs and 64 otherwise, and
# why_not_32 says why not.
pick_build() {
    why_not_32=$(why_no_32bit)
    bits=32
    [ -z "$why_not_32" ] || bits=64
}

# said_why_64 DONE PATH: at the end, why DONE ("Opened", "Measured") was the 64-bit
# build at PATH and not the 32-bit one; nothing when it was the 32-bit one.
said_why_64() {
    [ -z "$why_not_32" ] || echo "$1 the 64-bit build ($2), not the 32-bit one, because $why_not_32."
}

# japanese_code_page_problem: empty when Wine gives a process under this environment's
# LANG the ANSI code page 932, otherwise one line with the cause and the fix. Asked with
# LANG alone: given LC_ALL, Wine reads a locale that glibc lacks from LC_ALL's text and
# says 932, yet still garbles Japanese file names.
japanese_code_page_problem() {
    local acp
    acp=$(
        unset "${!LC_@}"
        "$WINELOADER" reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP \
            </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "ACP" { print $NF }'
    )
    wineserver -k 2>/dev/null
    [ "$acp" = 932 ] && return
    if [ "$(LC_ALL=$LANG locale charmap 2>/dev/null)" != UTF-8 ]; then
        echo "Stopped: Wine gives the Japanese runs ANSI code page ${acp:-unknown}, not 932: the locale $LANG is not generated (fix: add '$LANG UTF-8' to /etc/locale.gen, then run locale-gen)."
    else
        echo "Stopped: Wine gives processes under LANG=$LANG ANSI code page ${acp:-unknown}, not 932, though that locale is generated; the Japanese runs need 932."
    fi
}
