#!/usr/bin/env bash
# The window font "ＭＳ Ｐゴシック" is proportional; without a replacement Wine draws it
# with the monospaced IPA Gothic, which is wider. IPA P Gothic is the proportional one.
"${WINELOADER:?}" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f \
    </dev/null >/dev/null 2>&1 || true
# Wine draws the caption buttons with glyphs of its Marlett font. Debian's Wine 8 looks
# for its own fonts in "\??\Z:\usr\share\wine\../fonts", a name its file layer refuses,
# so it never loads them, in any locale, and draws the letters "0 1 r" in a fallback
# font instead. Every Wine process reads the prefix's Fonts folder at start.
fonts="${WINEPREFIX:-$HOME/.wine}/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
fi
