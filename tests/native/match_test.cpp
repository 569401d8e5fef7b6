#include "search/match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/native_text.h"
#include "support/match_cases.h"
#include "support/match_oracle.h"
#include "support/pattern_list.h"

namespace {

std::string Describe(const std::vector<std::string>& items) {
    std::string text = "{";
    for (const std::string& item : items)
        text += " \"" + item + "\"";
    return text + " }";
}

bool Matches(std::u16string_view name, const std::vector<std::string>& items) {
    return MatchesPatterns(name, VectorList(items), kCp932);
}

TEST(MatchesPatterns, Table) {
    for (const MatchCase& test : kMatchCases) {
        SCOPED_TRACE(Describe(test.items) + " name \"" + test.name + "\"");
        EXPECT_EQ(Matches(Cp932ToUtf16(test.name), test.items), test.expected);
    }
}

TEST(MatchesPatterns, NamesOutsideTheCodePage) {
    int index = 0;
    for (const WideMatchCase& test : kWideMatchCases) {
        SCOPED_TRACE(Describe(test.items) + " wide case " + std::to_string(index++));
        EXPECT_EQ(Matches(test.name, test.items), test.expected);
    }
}

TEST(MatchesPatterns, ReadsTheItemsInOrderAndStopsAtTheFirstThatPasses) {
    VectorList list({".a*", ".B", ".c*", ".d?"});
    EXPECT_TRUE(MatchesPatterns(u"x.b", list, kCp932));
    EXPECT_EQ(list.itemsRead, (std::vector<int>{0, 1}));

    VectorList noExtension({".a*", ".d?"});
    EXPECT_FALSE(MatchesPatterns(u"Makefile", noExtension, kCp932));
    EXPECT_EQ(noExtension.itemsRead, (std::vector<int>{0, 1}));
}

template <typename T>
void Combine(const std::vector<T>& tokens, std::size_t maxTokens, std::vector<T>& out) {
    std::vector<T> level = {T()};
    out = level;
    for (std::size_t n = 0; n < maxTokens; ++n) {
        std::vector<T> next;
        for (const T& prefix : level)
            for (const T& token : tokens)
                next.push_back(prefix + token);
        out.insert(out.end(), next.begin(), next.end());
        level = std::move(next);
    }
}

TEST(MatchesPatterns, AgreesWithTheLiteralRulesOnEverySmallCase) {
    std::vector<std::string> items;
    Combine<std::string>({".", "a", "b", "?", "*", "\x82\x81"}, 4, items);
    // Ａ lowers to ａ (82 81); é has no byte form.
    std::vector<std::u16string> extensions;
    Combine<std::u16string>({u"a", u"B", u"\uFF21", u"\u00E9"}, 3, extensions);
    std::vector<std::u16string> names = {u"x"};
    for (const std::u16string& extension : extensions)
        names.push_back(u"x." + extension);

    int failures = 0;
    for (const std::u16string& name : names) {
        const Extension extension = ExtensionOf(name, kCp932);
        for (const std::string& item : items) {
            const bool want = LiteralMatch(item, extension);
            if (Matches(name, {item}) != want && ++failures <= 10)
                ADD_FAILURE() << "item \"" << item << "\" extension \"" << extension.bytes
                              << "\" whole " << extension.whole << " want " << want;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(ExtensionOf, FromTheLastDotLowerCasedInTheCodePagesBytes) {
    const struct {
        const char16_t* name;
        const char* bytes;
        bool whole;
    } cases[] = {
        {u"Report.BAK", ".bak", true},
        {u"a.tar.gz", ".gz", true},
        {u".profile", ".profile", true},
        {u"Makefile", "", true},
        {u"", "", true},
        {u"a.", ".", true},
        {u"a..", ".", true},
        {u"x.ReadMe", ".readme", true},
        // Full-width capitals are lowered; ア's trail byte 0x41 and 表's 0x5C are not.
        {u"x.\uFF34\uFF2D\uFF30", ".\x82\x94\x82\x8D\x82\x90", true},
        {u"x.\u30A2Z", ".\x83\x41z", true},
        {u"\u8868.TMP", ".tmp", true},
        {u"a.\u8868", ".\x95\x5C", true},
        // The rest of the name plays no part.
        {u"caf\u00E9.TMP", ".tmp", true},
        {u"\U0001F600.Tmp", ".tmp", true},
        // Only what comes before the first character without a byte form.
        {u"x.T\u00E9X", ".t", false},
        {u"x.\uD55C", ".", false},
        {u"x.ab\U0001F600", ".ab", false},
        {u"x.\u00E9.Bak", ".bak", true},
        // Never a look-alike: é is not e.
        {u"x.caf\u00E9", ".caf", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.bytes);
        const Extension extension = ExtensionOf(test.name, kCp932);
        EXPECT_EQ(extension.bytes, test.bytes);
        EXPECT_EQ(extension.whole, test.whole);
    }
}

} // namespace
