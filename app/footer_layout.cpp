#include "app/footer_layout.h"

#include <algorithm>

namespace {

// Design lengths at a text height of 12.
constexpr int kLeft = 16;
constexpr int kNoticeLeft = 160;
constexpr int kHomeLeft = 168;
constexpr int kFirstRow = 256;
constexpr int kSecondRow = 272;
// The frame stands 9 from the client's right edge; texts keep 8 inside it, as on the left.
constexpr int kRightInset = 17;
// Between the columns at least one text height, so they never read as one line.
constexpr int kColumnGap = 12;

Bounds At(int left, int top, const TextExtent& text) {
    return {left, top, text.width, text.height};
}

int RightOf(const Bounds& b) { return b.left + b.width; }

} // namespace

FooterLayout LayOutFooter(const FooterTexts& texts, int textHeight, int clientWidth) {
    const auto scale = [textHeight](int design) { return ScaleToText(design, textHeight); };
    const int first = scale(kFirstRow), second = scale(kSecondRow);
    FooterLayout f{};
    f.ver = At(scale(kLeft), first, texts.ver);
    f.version = At(RightOf(f.ver), first, texts.version);
    f.mail = At(scale(kLeft), second, texts.mail);
    // The right column keeps its design place unless a text would run past the frame;
    // then both of its texts move left together, so they stay aligned as designed.
    const int end = clientWidth - scale(kRightInset);
    const int shift = std::min({0, end - (scale(kNoticeLeft) + texts.notice.width),
                                end - (scale(kHomeLeft) + texts.home.width)});
    f.notice = At(scale(kNoticeLeft) + shift, first, texts.notice);
    f.home = At(scale(kHomeLeft) + shift, second, texts.home);
    // Narrowing the client moves the right column toward the left one, row by row.
    const int spare = std::min(f.notice.left - RightOf(f.version), f.home.left - RightOf(f.mail)) -
                      scale(kColumnGap);
    f.minClientWidth = clientWidth - spare;
    return f;
}
