#include "platform/delete_request.h"

#include "search/found_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TFoundFiles Found(const std::vector<std::string>& paths) {
    TFoundFiles files;
    for (const std::string& path : paths)
        files.Add(path);
    return files;
}

// Reads the list the way the shell does: paths up to the empty one.
std::vector<std::string> ReadAsShell(const char* list) {
    std::vector<std::string> paths;
    while (*list != '\0') {
        paths.emplace_back(list);
        list += std::strlen(list) + 1;
    }
    return paths;
}

TEST(BuildPathList, OnePathEndsInTwoNuls) {
    std::string list = BuildPathList(Found({"C:\\a\\x.tmp"}));
    EXPECT_EQ(list, std::string("C:\\a\\x.tmp\0\0", 12));
}

TEST(BuildPathList, PathsInListOrder) {
    std::string list = BuildPathList(Found({"C:\\a\\y.tmp", "C:\\a\\x.tmp", "C:\\a\\y.tmp"}));
    EXPECT_EQ(list, std::string("C:\\a\\y.tmp\0C:\\a\\x.tmp\0C:\\a\\y.tmp\0\0", 34));
}

TEST(BuildPathList, EmptyListIsOneNul) {
    std::string list = BuildPathList(TFoundFiles());
    EXPECT_EQ(list, std::string(1, '\0'));
    EXPECT_TRUE(ReadAsShell(list.c_str()).empty());
}

TEST(BuildPathList, ShellReadsBackEveryPathByteForByte) {
    const std::vector<std::vector<std::string>> cases = {
        {"C:\\a.tmp"},
        {"C:\\a.tmp", "C:\\b\\c.bak"},
        // 表 and ソ end in 0x5C; half-width katakana and 0xFC bytes.
        {"C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67.tmp", "D:\\\xB1\\\xFC\xFC\x82\xA0.b\x83\x5C"},
    };
    for (const auto& paths : cases) {
        TFoundFiles files = Found(paths);
        std::string list = BuildPathList(files);
        EXPECT_EQ(ReadAsShell(list.c_str()), paths);
        EXPECT_EQ(list.back(), '\0');
        EXPECT_EQ(list.size(), files.Joined().size() + 1);
        EXPECT_EQ(files.Count(), paths.size()) << "the list must stay as it was";
    }
}

TEST(DeleteRequestFlags, RecycleBinOrPermanent) {
    EXPECT_EQ(DeleteRequestFlags(false), 0x4050u);
    EXPECT_EQ(DeleteRequestFlags(true), 0x10u);
}

TEST(DeleteRequestFlags, NeverSilencesTheShell) {
    const unsigned kSilent = 0x4, kSimpleProgress = 0x100, kNoErrorUi = 0x400;
    for (bool permanent : {false, true}) {
        unsigned flags = DeleteRequestFlags(permanent);
        EXPECT_NE(flags & kFofNoConfirmation, 0u);
        EXPECT_EQ(flags & (kSilent | kSimpleProgress | kNoErrorUi), 0u);
        EXPECT_EQ((flags & kFofAllowUndo) != 0, !permanent);
    }
}

} // namespace
