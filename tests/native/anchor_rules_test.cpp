#include "base/anchor_rules.h"

#include <gtest/gtest.h>

namespace {

struct AnchorCase {
    const char* what;
    unsigned anchors;
    Bounds expected;
};

// A 50 x 20 control at (10, 30) in a 200 x 100 client that grows to 320 x 160.
TEST(AnchoredBounds, FollowsTheAnchoredEdges) {
    const Bounds design{10, 30, 50, 20};
    const AnchorCase cases[] = {
        {"left top stays", akLeft | akTop, {10, 30, 50, 20}},
        {"left right stretches", akLeft | akTop | akRight, {10, 30, 170, 20}},
        {"right only moves", akTop | akRight, {130, 30, 50, 20}},
        {"bottom only moves down", akLeft | akBottom, {10, 90, 50, 20}},
        {"all four stretch both ways", akLeft | akTop | akRight | akBottom, {10, 30, 170, 80}},
        {"top right bottom", akTop | akRight | akBottom, {130, 30, 50, 80}},
        {"none keeps centre proportional", 0, {31, 54, 50, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AnchoredBounds(design, c.anchors, 200, 100, 320, 160), c.expected);
    }
}

TEST(AnchoredBounds, ShrinkingNeverGivesNegativeSize) {
    const Bounds b =
        AnchoredBounds({8, 8, 20, 10}, akLeft | akTop | akRight | akBottom, 100, 100, 10, 10);
    EXPECT_EQ(b.width, 0);
    EXPECT_EQ(b.height, 0);
}

TEST(Scaling, FontThenLayoutFollowTheScreen) {
    EXPECT_EQ(ScaledFontHeight(96), 12);
    EXPECT_EQ(ScaledFontHeight(120), 15);
    EXPECT_EQ(ScaledFontHeight(144), 18);
    EXPECT_EQ(ScaleToText(Bounds{8, 24, 201, 20}, 12), (Bounds{8, 24, 201, 20}));
    EXPECT_EQ(ScaleToText(Bounds{8, 24, 201, 20}, 18), (Bounds{12, 36, 302, 30}));
    EXPECT_EQ(ScaleToText(-7, 18), -11);
}

} // namespace
