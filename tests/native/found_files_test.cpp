#include "search/found_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Contents(const TFoundFiles& files) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < files.Count(); ++i)
        paths.emplace_back(files[i]);
    return paths;
}

TEST(FoundFiles, StartsEmpty) {
    TFoundFiles files;
    EXPECT_EQ(files.Count(), 0u);
    EXPECT_TRUE(files.Empty());
    EXPECT_TRUE(files.Joined().empty());
}

TEST(FoundFiles, KeepsWalkOrderAndDuplicates) {
    const std::vector<std::string> paths = {"C:\\a\\z.tmp", "C:\\a\\b.tmp", "C:\\a\\z.tmp", "C:\\x",
                                            "C:\\a\\b\\c.bak"};
    TFoundFiles files;
    for (const std::string& path : paths)
        files.Add(path);
    EXPECT_EQ(files.Count(), paths.size());
    EXPECT_FALSE(files.Empty());
    EXPECT_EQ(Contents(files), paths);
}

TEST(FoundFiles, JoinedEndsEveryPathWithNul) {
    TFoundFiles files;
    files.Add("C:\\a.tmp");
    EXPECT_EQ(files.Joined(), std::string_view("C:\\a.tmp\0", 9));
    files.Add("D:\\b");
    EXPECT_EQ(files.Joined(), std::string_view("C:\\a.tmp\0D:\\b\0", 14));
}

TEST(FoundFiles, DoubleByteBytesUnchanged) {
    // Trail bytes 0x5C in 表 and ソ, half-width katakana and high bytes kept as they are.
    const std::vector<std::string> paths = {"C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67.tmp",
                                            "C:\\\xB1\xB2\\\xFC\xFC.bak", "\x82\xA0"};
    TFoundFiles files;
    for (const std::string& path : paths)
        files.Add(path);
    EXPECT_EQ(Contents(files), paths);
    EXPECT_EQ(files[0].size(), paths[0].size());
}

TEST(FoundFiles, ClearEmptiesAndAllowsReuse) {
    TFoundFiles files;
    files.Add("C:\\old1");
    files.Add("C:\\old2");
    files.Clear();
    EXPECT_EQ(files.Count(), 0u);
    EXPECT_TRUE(files.Empty());
    EXPECT_TRUE(files.Joined().empty());

    files.Add("C:\\new");
    EXPECT_EQ(Contents(files), std::vector<std::string>{"C:\\new"});
    EXPECT_EQ(files.Joined(), std::string_view("C:\\new\0", 7));
}

TEST(FoundFiles, HoldsAMillionPathsInOneBuffer) {
    const std::size_t count = 1000000;
    auto pathAt = [](std::size_t i) {
        return "C:\\work\\" + std::to_string(i % 997) + "\\file" + std::to_string(i) + ".tmp";
    };
    TFoundFiles files;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::string path = pathAt(i);
        bytes += path.size();
        files.Add(path);
    }
    ASSERT_EQ(files.Count(), count);
    EXPECT_EQ(files.Joined().size(), bytes + count);
    for (std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                          std::size_t{500001}, count - 1})
        EXPECT_EQ(files[i], pathAt(i)) << i;
}

} // namespace
