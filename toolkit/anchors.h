// Keeps the children of one parent at their anchored places as the parent resizes.
#pragma once
#include <windows.h>

#include "base/anchor_rules.h"

#include <vector>

class TAnchorLayout {
public:
    void SetDesignClient(int width, int height) {
        designWidth_ = width;
        designHeight_ = height;
    }
    // `design` is in the parent's client coordinates at its design size.
    void Add(HWND control, const Bounds& design, unsigned anchors);
    // A control that sized itself (an auto-sized label) keeps its new size from now on.
    void SetDesignSize(HWND control, int width, int height);
    // A control placed anew, in the parent's client coordinates at its design size.
    void SetDesign(HWND control, const Bounds& design);
    int DesignWidth() const { return designWidth_; }
    void Apply(int clientWidth, int clientHeight) const;

private:
    struct Item {
        HWND control;
        Bounds design;
        unsigned anchors;
    };
    std::vector<Item> items_;
    int designWidth_ = 0, designHeight_ = 0;
};
