#include "search/found_files.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/native_text.h"
#include "support/shell_list.h"

namespace {

using Paths = std::vector<std::u16string>;

Paths Contents(const TFoundFiles& files) {
    Paths paths;
    for (std::u16string_view path : files)
        paths.emplace_back(path);
    return paths;
}

TEST(FoundFiles, StartsEmpty) {
    TFoundFiles files;
    EXPECT_EQ(files.Count(), 0u);
    EXPECT_TRUE(files.Empty());
    EXPECT_TRUE(files.Joined().empty());
    EXPECT_TRUE(files.begin() == files.end());
}

TEST(FoundFiles, KeepsWalkOrderAndDuplicates) {
    const Paths paths = {u"C:\\a\\z.tmp", u"C:\\a\\b.tmp", u"C:\\a\\z.tmp", u"C:\\x",
                         u"C:\\a\\b\\c.bak"};
    TFoundFiles files;
    for (const std::u16string& path : paths)
        files.Add(path);
    EXPECT_EQ(files.Count(), paths.size());
    EXPECT_FALSE(files.Empty());
    EXPECT_EQ(Contents(files), paths);
}

TEST(FoundFiles, IsTheShellsPathListAsItStands) {
    TFoundFiles files;
    files.Add(u"C:\\a\\x.tmp");
    // One path: the path, its NUL, and the string's terminator.
    EXPECT_EQ(files.Joined(), std::u16string_view(u"C:\\a\\x.tmp\0", 11));
    EXPECT_EQ(files.Joined().c_str()[files.Joined().size()], u'\0');
    files.Add(u"D:\\b");
    EXPECT_EQ(files.Joined(), std::u16string_view(u"C:\\a\\x.tmp\0D:\\b\0", 16));
    EXPECT_EQ(ReadAsShell(files.Joined().c_str()), (Paths{u"C:\\a\\x.tmp", u"D:\\b"}));
}

TEST(FoundFiles, EveryNameExactlyAsListed) {
    // Japanese, 表 (0x5C in Shift_JIS), accents, Korean, an emoji and a lone surrogate.
    const Paths paths = {Utf8ToUtf16("C:\\表\\ソフト.tmp"), Utf8ToUtf16("C:\\café\\한.tmp"),
                         Utf8ToUtf16("D:\\😀.bak"), std::u16string(u"E:\\x\xD800.tmp")};
    TFoundFiles files;
    for (const std::u16string& path : paths)
        files.Add(path);
    EXPECT_EQ(Contents(files), paths);
    EXPECT_EQ(ReadAsShell(files.Joined().c_str()), paths);
}

TEST(FoundFiles, RefusesWhatWouldBreakTheList) {
    TFoundFiles files;
    files.Add(u"C:\\a.tmp");
    // An empty path would end the list early; a NUL would make two paths of one.
    EXPECT_THROW(files.Add(u""), std::invalid_argument);
    EXPECT_THROW(files.Add(std::u16string_view(u"C:\\a\0C:\\b", 9)), std::invalid_argument);
    EXPECT_EQ(Contents(files), Paths{u"C:\\a.tmp"});
}

TEST(FoundFiles, ClearEmptiesAndAllowsReuse) {
    TFoundFiles files;
    files.Add(u"C:\\old1");
    files.Add(u"C:\\old2");
    files.Clear();
    EXPECT_EQ(files.Count(), 0u);
    EXPECT_TRUE(files.Empty());
    EXPECT_TRUE(files.Joined().empty());

    files.Add(u"C:\\new");
    EXPECT_EQ(Contents(files), Paths{u"C:\\new"});
    EXPECT_EQ(files.Joined(), std::u16string_view(u"C:\\new\0", 7));
}

TEST(FoundFiles, HoldsAMillionPathsInOneBuffer) {
    const std::size_t count = 1000000;
    auto pathAt = [](std::size_t i) {
        const std::string ascii =
            "C:\\work\\" + std::to_string(i % 997) + "\\file" + std::to_string(i) + ".tmp";
        return std::u16string(ascii.begin(), ascii.end());
    };
    TFoundFiles files;
    std::size_t units = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string path = pathAt(i);
        units += path.size();
        files.Add(path);
    }
    ASSERT_EQ(files.Count(), count);
    EXPECT_EQ(files.Joined().size(), units + count);
    std::size_t index = 0;
    for (std::u16string_view path : files) {
        if (index == 0 || index == 65536 || index == count - 1) {
            EXPECT_EQ(path, pathAt(index)) << index;
        }
        ++index;
    }
    EXPECT_EQ(index, count);
}

} // namespace
