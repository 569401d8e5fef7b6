// The extension rules against the real sorted list box, its whole-item search
// and the system's lower-casing on code page 932.
#include "platform/shift_jis.h"
#include "search/findunit.h"
#include "support/app_fixture.h"
#include "support/match_cases.h"

#include <algorithm>
#include <string>

namespace {

std::string Items(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "[" + item + "]";
    return text;
}

class MatchListBoxTest : public StartedApp {
protected:
    void Fill(const std::vector<std::string>& items) {
        main->ListBox1.Clear();
        for (const std::string& item : items)
            ASSERT_GE(main->ListBox1.Add(item), 0) << item;
    }
};

// The list box keeps its items as Unicode: bytes that are no Shift_JIS text
// (a lead byte before "?") do not come back as they went in.
bool IsShiftJisText(const std::string& text) {
    return text.empty() || MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

TEST_F(MatchListBoxTest, EveryCaseHasItsVerdict) {
    ASSERT_EQ(GetACP(), 932u) << "the cases are Shift_JIS";
    int checked = 0;
    for (const MatchCase& c : kMatchCases) {
        if (!std::all_of(c.items.begin(), c.items.end(), IsShiftJisText)) continue;
        ++checked;
        Fill(c.items);
        EXPECT_EQ(MatchesExtension(SjisToUtf16(c.name)), c.expected)
            << "name " << c.name << ", items " << Items(c.items);
    }
    EXPECT_GT(checked * 10, static_cast<int>(kMatchCases.size()) * 9) << "nearly all cases apply";
}

// Names with characters outside the code page, against the system's own
// conversion and lower-casing.
TEST_F(MatchListBoxTest, NamesOutsideTheCodePage) {
    int index = 0;
    for (const WideMatchCase& c : kWideMatchCases) {
        Fill(c.items);
        EXPECT_EQ(MatchesExtension(c.name), c.expected)
            << "wide case " << index << ", items " << Items(c.items);
        ++index;
    }
}

// Items land in sorted order, so a whole-item hit must not depend on where an
// item of the same letters but another case sits.
TEST_F(MatchListBoxTest, CaseTwinsInEitherOrder) {
    for (const auto& items : {std::vector<std::string>{".TMP", ".tmp", ".Tmp"},
                              std::vector<std::string>{".Tmp", ".tmp", ".TMP"}}) {
        Fill(items);
        EXPECT_TRUE(MatchesExtension(u"a.tMp")) << Items(items);
        EXPECT_FALSE(MatchesExtension(u"a.tmq")) << Items(items);
    }
}

TEST_F(MatchListBoxTest, ReadsTheListAfreshAtEveryCall) {
    Fill({".bak"});
    EXPECT_FALSE(MatchesExtension(u"x.tmp"));
    main->ListBox1.Add(".tmp");
    EXPECT_TRUE(MatchesExtension(u"x.tmp"));
    main->ListBox1.Delete(main->ListBox1.FindExact(".tmp"));
    EXPECT_FALSE(MatchesExtension(u"x.tmp"));
    main->ListBox1.Clear();
    EXPECT_FALSE(MatchesExtension(u"x.bak"));
}

} // namespace
