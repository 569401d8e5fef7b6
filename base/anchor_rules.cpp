#include "base/anchor_rules.h"

namespace {

// One axis: anchored at both ends it stretches, at the far end only it moves,
// with neither it keeps its centre proportional to the parent.
void Place(int& pos, int& size, bool nearAnchor, bool farAnchor, int designExtent, int extent) {
    if (nearAnchor && farAnchor) {
        size += extent - designExtent;
    } else if (farAnchor) {
        pos += extent - designExtent;
    } else if (!nearAnchor && designExtent > 0) {
        const long long centre = 2LL * pos + size;
        pos = static_cast<int>((centre * extent / designExtent - size) / 2);
    }
    if (size < 0) size = 0;
}

int MulDivRound(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

Bounds AnchoredBounds(const Bounds& design, unsigned anchors, int designWidth, int designHeight,
                      int width, int height) {
    Bounds b = design;
    Place(b.left, b.width, anchors & akLeft, anchors & akRight, designWidth, width);
    Place(b.top, b.height, anchors & akTop, anchors & akBottom, designHeight, height);
    return b;
}

int ScaledFontHeight(int dpi) { return MulDivRound(kDesignTextHeight, dpi, kDesignDpi); }

int ScaleToText(int designLength, int textHeight) {
    return MulDivRound(designLength, textHeight, kDesignTextHeight);
}

Bounds ScaleToText(const Bounds& design, int textHeight) {
    return {ScaleToText(design.left, textHeight), ScaleToText(design.top, textHeight),
            ScaleToText(design.width, textHeight), ScaleToText(design.height, textHeight)};
}
