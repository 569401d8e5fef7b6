// The design font.
#pragma once
#include "platform/scoped.h"

// The design font: "ＭＳ Ｐゴシック", Shift_JIS character set, `height` pixels.
Font CreateDesignFont(int height, bool bold = false, bool underline = false);
