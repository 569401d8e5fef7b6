#include "app/settings_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

struct ParseCase {
    std::string bytes;
    Items items;
};

TEST(ParseListFile, LineEnds) {
    const ParseCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\r\nc\rd", {"a", "b", "c", "d"}},
        {".zip\n.bak\n.tmp\n", {".zip", ".bak", ".tmp"}},
        // Only CR directly before LF pairs with it.
        {"a\n\r", {"a", ""}},
        {"a\r\r\n", {"a", ""}},
        {"a\r\rb", {"a", "", "b"}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseListFile(c.bytes), c.items) << c.bytes;
}

TEST(ParseListFile, BlankLinesKept) {
    const ParseCase cases[] = {
        {"\r\n", {""}},
        {"\n", {""}},
        {"a\r\n\r\n", {"a", ""}},
        {".bak\r\n\r\n.tmp\r\n", {".bak", "", ".tmp"}},
        {"\r\n\n\r", {"", "", ""}},
        {"\n.tmp", {"", ".tmp"}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseListFile(c.bytes), c.items) << c.bytes;
}

TEST(ParseListFile, StopsAtFirstNul) {
    using namespace std::string_literals;
    const ParseCase cases[] = {
        {"\0"s, {}},
        {"\0.tmp\r\n"s, {}},
        {".tmp\0.bak"s, {".tmp"}},
        {".tmp\r\n\0.bak\r\n"s, {".tmp"}},
        {".tmp\r\0\n.bak"s, {".tmp"}},
        {".tmp\r\n\r\n\0\0"s, {".tmp", ""}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseListFile(c.bytes), c.items) << c.bytes.size();
}

TEST(ParseListFile, ItemsTakenAsTheyAre) {
    // No trimming or case change; Shift_JIS trail bytes such as 0x5C stay.
    const ParseCase cases[] = {
        {".TMP\r\n .bak \r\n", {".TMP", " .bak "}},
        {".\x95\x5C\r\n.\x83\x5C\n.\xB1\xB2\r.\x82\xA0",
         {".\x95\x5C", ".\x83\x5C", ".\xB1\xB2", ".\x82\xA0"}},
        {"\t.t*\r\n.b?k", {"\t.t*", ".b?k"}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseListFile(c.bytes), c.items) << c.bytes;
}

TEST(FormatListFile, EveryItemEndsInCrLf) {
    const ParseCase cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {".tmp\r\n", {".tmp"}},
        {".bak\r\n.tmp\r\n.zip\r\n", {".bak", ".tmp", ".zip"}},
        {".bak\r\n\r\n.tmp\r\n", {".bak", "", ".tmp"}},
        {".\x95\x5C\r\n", {".\x95\x5C"}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(FormatListFile(c.items), c.bytes) << c.bytes;
}

TEST(ListFileRoundTrip, SavedListLoadsTheSame) {
    const Items lists[] = {
        {}, {""}, {"", ""}, {".bak", "", ".tmp"}, {".TMP", ".t*", ".\x95\x5C", ".\xB1"},
    };
    for (const Items& items : lists)
        EXPECT_EQ(ParseListFile(FormatListFile(items)), items);
}

TEST(ListFileRoundTrip, LoadedFileSavesWithCrLf) {
    struct {
        std::string loaded;
        std::string saved;
    } const cases[] = {
        {"", ""},
        {".bak\r\n.tmp\r\n", ".bak\r\n.tmp\r\n"},
        {"\r\n\r\n", "\r\n\r\n"},
        {".zip\n.bak\r.tmp", ".zip\r\n.bak\r\n.tmp\r\n"},
        {".zip\n\n.bak\r\n", ".zip\r\n\r\n.bak\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatListFile(ParseListFile(c.loaded)), c.saved) << c.loaded;
}

} // namespace
