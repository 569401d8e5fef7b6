// Where the footer's texts stand. A font's text does not widen in step with its
// height from one screen scaling to the next, so the footer is laid out from each
// text's width as drawn, not from the widths of the design.
#pragma once
#include "base/anchor_rules.h"

// A text's size as drawn in its own font, in pixels.
struct TextExtent {
    int width, height;
};

struct FooterTexts {
    TextExtent ver, version, notice, mail, home;
};

struct FooterLayout {
    // In the client area `clientWidth` wide that the layout was made for.
    Bounds ver, version, notice, mail, home;
    // The narrowest client area that keeps the two columns apart and inside the frame.
    int minClientWidth;
};

// Left column: "Ver." with the version right after it, the mail link below. Right
// column, which follows the right edge: the notice, the home page link below. Design
// lengths are scaled to `textHeight`.
FooterLayout LayOutFooter(const FooterTexts& texts, int textHeight, int clientWidth);
