#include "app/settings_files.h"
#include "toolkit/path_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/native_text.h"

namespace {

// 表 (95 5C) and ソ (83 5C) end in the byte of "\", which is no separator there.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";

TEST(Separators, TrailByteIsNoSeparator) {
    const struct {
        std::string path;
        std::size_t last;
        bool endsWith;
    } cases[] = {
        {"", std::string::npos, false},
        {"abc", std::string::npos, false},
        {"C:\\", 2, true},
        {"C:\\a\\b", 4, false},
        {"C:\\" + kHyou, 2, false},
        {"C:\\" + kHyou + "\\", 5, true},
        {"C:\\" + kSo + kHyou, 2, false},
        {"\\\\server\\share\\", 14, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LastSeparator(c.path, kCp932), c.last);
        EXPECT_EQ(EndsWithSeparator(c.path, kCp932), c.endsWith);
    }
}

TEST(SettingsFiles, OneSeparatorBeforeTheFolderAndTheFiles) {
    const struct {
        std::string appData;
        std::string dir;
    } cases[] = {
        {"C:\\Users\\u\\AppData\\Roaming", "C:\\Users\\u\\AppData\\Roaming\\Brenvolt\\Tavrix"},
        {"C:\\Users\\u\\AppData\\Roaming\\", "C:\\Users\\u\\AppData\\Roaming\\Brenvolt\\Tavrix"},
        // A folder ending in 表 still needs its separator.
        {"D:\\" + kHyou, "D:\\" + kHyou + "\\Brenvolt\\Tavrix"},
        {"D:\\" + kHyou + "\\", "D:\\" + kHyou + "\\Brenvolt\\Tavrix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.appData);
        const std::string dir = SettingsDirIn(c.appData, kCp932);
        EXPECT_EQ(dir, c.dir);
        EXPECT_EQ(ListFileName(dir), dir + "\\extentions.lst");
        EXPECT_EQ(SettingsFileName(dir), dir + "\\tavrix.ini");
        // The temporary file lies beside the list file, in the same folder, so the
        // final move never crosses a volume.
        EXPECT_EQ(LastSeparator(TempListFileName(dir), kCp932), dir.size());
        EXPECT_NE(TempListFileName(dir), ListFileName(dir));
    }
}

} // namespace
