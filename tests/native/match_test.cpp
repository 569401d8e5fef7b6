#include "search/match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cp932.h"
#include "support/match_cases.h"

namespace {

std::string Lowered(std::string text) {
    if (!text.empty()) kCp932.Lower(&text[0], text.size());
    return text;
}

// Finds empty items too, unlike the list box, so that the matcher's own
// empty-extension rule is what the table checks.
class VectorList : public PatternList {
public:
    explicit VectorList(std::vector<std::string> items) : items_(std::move(items)) {}
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int index) const override {
        itemsRead.push_back(index);
        return items_.at(static_cast<std::size_t>(index));
    }
    int FindExact(const std::string& text) const override {
        searches.push_back(text);
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (Lowered(items_[i]) == Lowered(text)) return static_cast<int>(i);
        return -1;
    }

    mutable std::vector<int> itemsRead;
    mutable std::vector<std::string> searches;

private:
    std::vector<std::string> items_;
};

std::string Describe(const std::vector<std::string>& items) {
    std::string text = "{";
    for (const std::string& item : items)
        text += " \"" + item + "\"";
    return text + " }";
}

TEST(MatchesPatterns, Table) {
    for (const MatchCase& test : kMatchCases) {
        SCOPED_TRACE(Describe(test.items) + " name \"" + test.name + "\"");
        EXPECT_EQ(MatchesPatterns(test.name, VectorList(test.items), kCp932), test.expected);
    }
}

TEST(MatchesPatterns, SearchesTheListOnceWithTheLoweredExtension) {
    VectorList list({".a*", ".b*", ".c*", ".d?"});
    EXPECT_TRUE(MatchesPatterns("x.B", list, kCp932));
    EXPECT_EQ(list.searches, std::vector<std::string>{".b"});
    // Stops at the first item that passes.
    EXPECT_EQ(list.itemsRead, (std::vector<int>{0, 1}));

    VectorList noExtension({".a*", ".d?"});
    EXPECT_FALSE(MatchesPatterns("Makefile", noExtension, kCp932));
    EXPECT_TRUE(noExtension.searches.empty());
    EXPECT_EQ(noExtension.itemsRead, (std::vector<int>{0, 1}));
}

// The rules exactly as written: copies of the item and the extension from
// which each "?" and the byte at its position are deleted one by one.
bool LiteralMatch(const std::string& item, const std::string& name) {
    const std::string extension = ExtensionOf(name, kCp932);
    if (!extension.empty() && Lowered(item) == Lowered(extension)) return true;
    const std::size_t k = item.find('*');
    if (k != std::string::npos && extension.size() >= k &&
        extension.substr(0, k) == item.substr(0, k))
        return true;
    if (item.find('?') == std::string::npos) return false;
    std::string p = item;
    std::string e = extension;
    for (std::size_t j = p.find('?'); j != std::string::npos; j = p.find('?')) {
        p.erase(j, 1);
        if (e.size() > j) e.erase(j, 1);
    }
    return p == e;
}

void Combine(const std::vector<std::string>& tokens, std::size_t maxTokens,
             std::vector<std::string>& out) {
    std::vector<std::string> level = {""};
    out = level;
    for (std::size_t n = 0; n < maxTokens; ++n) {
        std::vector<std::string> next;
        for (const std::string& prefix : level)
            for (const std::string& token : tokens)
                next.push_back(prefix + token);
        out.insert(out.end(), next.begin(), next.end());
        level = std::move(next);
    }
}

TEST(MatchesPatterns, AgreesWithTheLiteralRulesOnEverySmallCase) {
    std::vector<std::string> items;
    Combine({".", "a", "b", "?", "*", "\x82\x81"}, 4, items);
    std::vector<std::string> extensions;
    Combine({"a", "B", "\x82\x60"}, 3, extensions);
    std::vector<std::string> names = {"x"};
    for (const std::string& extension : extensions)
        names.push_back("x." + extension);

    int failures = 0;
    for (const std::string& item : items) {
        for (const std::string& name : names) {
            const bool want = LiteralMatch(item, name);
            if (MatchesPatterns(name, VectorList({item}), kCp932) != want && ++failures <= 10)
                ADD_FAILURE() << "item \"" << item << "\" name \"" << name << "\" want " << want;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(ExtensionOf, FromTheLastDotLowerCased) {
    const struct {
        const char* name;
        const char* extension;
    } cases[] = {
        {"Report.BAK", ".bak"},
        {"a.tar.gz", ".gz"},
        {".profile", ".profile"},
        {"Makefile", ""},
        {"", ""},
        {"a.", "."},
        {"a..", "."},
        {"x.ReadMe", ".readme"},
        // Full-width capitals are lowered; ア's trail byte 0x41 and 表's 0x5C are not.
        {"x.\x82\x73\x82\x6C\x82\x6F", ".\x82\x94\x82\x8D\x82\x90"},
        {"x.\x83\x41Z", ".\x83\x41z"},
        {"\x95\x5C.TMP", ".tmp"},
        {"a.\x95\x5C", ".\x95\x5C"},
        {"a.\x82\x60\x82\x79", ".\x82\x81\x82\x9A"},
        // A lead byte cut off at the end stays as it is.
        {"a.B\x95", ".b\x95"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(ExtensionOf(test.name, kCp932), test.extension);
    }
}

} // namespace
