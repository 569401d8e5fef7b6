#include "app/path_list.h"

#include "support/native_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

std::vector<std::u16string> Paths(std::initializer_list<const char*> utf8) {
    std::vector<std::u16string> paths;
    for (const char* path : utf8)
        paths.push_back(Utf8ToUtf16(path));
    return paths;
}

// As /list writes a list, and as an editor may save it again.
TEST(ParsePathList, EveryLineAPathExactlyAsWritten) {
    const struct {
        std::string bytes;
        std::vector<std::u16string> paths;
    } cases[] = {
        {"", {}},
        {"\xEF\xBB\xBF", {}},
        {"C:\\a.tmp\r\nC:\\日本\\😀.tmp\r\n", Paths({"C:\\a.tmp", "C:\\日本\\😀.tmp"})},
        {"\xEF\xBB\xBF"
         "C:\\a.tmp\nC:\\b.tmp",
         Paths({"C:\\a.tmp", "C:\\b.tmp"})},
        {"\r\nC:\\a.tmp\r\n\r\n \t \n\nC:\\b.tmp\r\n\r\n", Paths({"C:\\a.tmp", "C:\\b.tmp"})},
        // Spaces a name may hold; a mark past the start belongs to the name.
        {"C:\\a.tmp \r\n \\\\srv\\x", Paths({"C:\\a.tmp ", " \\\\srv\\x"})},
        {"C:\\\xEF\xBB\xBF.tmp\r\nC:\\a\r\nC:\\a", Paths({"C:\\\uFEFF.tmp", "C:\\a", "C:\\a"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const PathList list = ParsePathList(c.bytes);
        EXPECT_EQ(list.problem, PathListProblem::None);
        EXPECT_EQ(list.paths, c.paths);
    }
}

TEST(ParsePathList, OtherEncodingsGiveNoPaths) {
    const struct {
        std::string bytes;
        PathListProblem problem;
    } cases[] = {
        {"\xFF\xFE"
         "C\0:\0"s,
         PathListProblem::Utf16},
        {"\xFE\xFF\0C\0:"s, PathListProblem::Utf16},
        {"C\0:\0\\\0a\0\r\0\n\0"s, PathListProblem::Utf16},
        {"C:\\a.tmp\r\nC:\\\x95\x5C.tmp\r\n", PathListProblem::NotUtf8}, // Shift_JIS
        {"C:\\caf\xE9.tmp", PathListProblem::NotUtf8},                   // Windows-1252
        {"\xEF\xBB\xBF\xEF\xBB", PathListProblem::NotUtf8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const PathList list = ParsePathList(c.bytes);
        EXPECT_EQ(list.problem, c.problem);
        EXPECT_TRUE(list.paths.empty());
    }
}

TEST(ListedPaths, OnlyTheListedAreTakenAndTheRestReportedOnce) {
    TListedPaths listed(Paths({"C:\\a", "C:\\gone", "C:\\a", "C:\\B", "C:\\gone", "C:\\b "}));
    for (const char* path : {"C:\\a", "C:\\a", "C:\\B"})
        EXPECT_TRUE(listed.Take(Utf8ToUtf16(path))) << path;
    for (const char* path : {"C:\\new", "c:\\a", "C:\\b", "C:\\a\\"})
        EXPECT_FALSE(listed.Take(Utf8ToUtf16(path))) << path;
    EXPECT_EQ(listed.Missed(), Paths({"C:\\gone", "C:\\b "}));
}

} // namespace
