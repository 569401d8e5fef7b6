# shellcheck shell=bash
# Sourced by every script that runs Wine: the loader of each build chosen on purpose,
# and the throwaway prefix and HOME that tests and previews run in.

# wine_loader BITS: Wine's own loader for 32- or 64-bit programs. Debian's "wine"
# script always takes the 32-bit one when it is installed, even where it cannot run.
wine_loader() {
    case $1 in
    32) echo /usr/lib/wine/wine ;;
    64) echo /usr/lib/wine/wine64 ;;
    *) echo "wine_loader: 32 or 64, not '$1'" >&2; return 1 ;;
    esac
}

# wine_env BITS DIR: a Wine environment of its own for the build of that word size,
# with its prefix and HOME under DIR; a prefix made by one loader cannot serve the other.
wine_env() {
    local bits=$1 dir=$2
    WINELOADER=$(wine_loader "$bits") || return 1
    export WINELOADER WINEARCH="win$bits" WINEPREFIX="$dir/prefix" HOME="$dir/home"
    # Made like a real home: Wine creates only Trash/ and its two folders, and without
    # ~/.local/share a process decides that it has no recycle bin at all.
    mkdir -p "$HOME/.local/share"
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
    # A new prefix would otherwise wait for the Mono and Gecko installers.
    export WINEDLLOVERRIDES="mscoree,mshtml="
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
