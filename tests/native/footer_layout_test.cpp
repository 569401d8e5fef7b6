#include "app/footer_layout.h"

#include <gtest/gtest.h>

namespace {

// Widths as drawn; every text one text height high. The design client is 386 wide at
// text height 12 and 483 at 15; the column gap is one text height.
TEST(FooterLayout, ColumnsFromTheTextsAsDrawn) {
    const struct {
        const char* what;
        int textHeight, clientWidth, ver, version, notice, mail, home;
        int versionLeft, noticeLeft, homeLeft, minClientWidth;
    } cases[] = {
        // Room to spare: the design's places; the mail row is the closer one.
        {"design", 12, 386, 24, 39, 140, 137, 150, 40, 160, 168, 386 - (168 - 153 - 12)},
        {"wide version row", 12, 386, 60, 80, 140, 100, 150, 76, 160, 168, 386 - (160 - 156 - 12)},
        // The mail link wider than its room at 125 %: the window must widen.
        {"wide mail link", 15, 483, 30, 49, 175, 195, 188, 50, 200, 210, 483 - (210 - 215 - 15)},
        // A text past the frame moves the whole right column left.
        {"wide notice", 12, 386, 24, 39, 250, 137, 150, 40, 119, 127, 386 - (127 - 153 - 12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int h = c.textHeight, left = ScaleToText(16, h);
        const int first = ScaleToText(256, h), second = ScaleToText(272, h);
        const FooterLayout f =
            LayOutFooter({{c.ver, h}, {c.version, h}, {c.notice, h}, {c.mail, h}, {c.home, h}}, h,
                         c.clientWidth);
        EXPECT_EQ(f.ver, (Bounds{left, first, c.ver, h}));
        EXPECT_EQ(f.version, (Bounds{c.versionLeft, first, c.version, h}));
        EXPECT_EQ(f.mail, (Bounds{left, second, c.mail, h}));
        EXPECT_EQ(f.notice, (Bounds{c.noticeLeft, first, c.notice, h}));
        EXPECT_EQ(f.home, (Bounds{c.homeLeft, second, c.home, h}));
        EXPECT_EQ(f.minClientWidth, c.minClientWidth);
    }
}

} // namespace
