#include "toolkit/gdi.h"

#include "platform/shift_jis.h"

Font CreateDesignFont(int height, bool bold, bool underline) {
    LOGFONTW lf{};
    lf.lfHeight = -height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face name through UTF-16: on another code page its bytes would name another font.
    lstrcpynW(lf.lfFaceName, AsWide(SjisToUtf16("ＭＳ Ｐゴシック").c_str()), LF_FACESIZE);
    return Font(CreateFontIndirectW(&lf));
}
