#include "toolkit/anchors.h"

void TAnchorLayout::Add(HWND control, const Bounds& design, unsigned anchors) {
    items_.push_back({control, design, anchors});
}

void TAnchorLayout::SetDesignSize(HWND control, int width, int height) {
    for (Item& item : items_)
        if (item.control == control) {
            item.design.width = width;
            item.design.height = height;
        }
}

void TAnchorLayout::SetDesign(HWND control, const Bounds& design) {
    for (Item& item : items_)
        if (item.control == control) item.design = design;
}

void TAnchorLayout::Apply(int clientWidth, int clientHeight) const {
    if (items_.empty()) return;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const Item& item : items_) {
        const Bounds b = AnchoredBounds(item.design, item.anchors, designWidth_, designHeight_,
                                        clientWidth, clientHeight);
        if (batch)
            batch = DeferWindowPos(batch, item.control, nullptr, b.left, b.top, b.width, b.height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) EndDeferWindowPos(batch);
}
