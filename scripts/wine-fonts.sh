#!/usr/bin/env bash
# The window font "ＭＳ Ｐゴシック" is proportional; without a replacement Wine draws it
# with the monospaced IPA Gothic, which is wider. IPA P Gothic is the proportional one.
"${WINELOADER:?}" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f \
    </dev/null >/dev/null 2>&1 || true
