// Anchoring and screen-scaling arithmetic, kept free of windows for native tests.
#pragma once

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned kAnchorsDefault = akLeft | akTop;

struct Bounds {
    int left, top, width, height;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Where a control designed at `design` inside a client area of designWidth x designHeight
// goes when that client area becomes width x height.
Bounds AnchoredBounds(const Bounds& design, unsigned anchors, int designWidth, int designHeight,
                      int width, int height);

// The design is laid out for 96 pixels per inch and a text height of 12 pixels.
constexpr int kDesignDpi = 96;
constexpr int kDesignTextHeight = 12;

// The window font's pixel height on a screen with `dpi` pixels per inch.
int ScaledFontHeight(int dpi);
// A design length scaled by the resulting text height / 12, rounded to nearest.
int ScaleToText(int designLength, int textHeight);
Bounds ScaleToText(const Bounds& design, int textHeight);
