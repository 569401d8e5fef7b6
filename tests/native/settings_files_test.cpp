#include "app/settings.h"
#include "app/settings_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/folder_cases.h"
#include "support/native_text.h"

namespace {

TEST(SettingsFiles, OneSeparatorBeforeTheFolderAndTheFiles) {
    const struct {
        std::u16string appData;
        std::u16string dir;
    } cases[] = {
        {u"C:\\Users\\u\\AppData\\Roaming", u"C:\\Users\\u\\AppData\\Roaming\\Brenvolt\\Tavrix"},
        {u"C:\\Users\\u\\AppData\\Roaming\\", u"C:\\Users\\u\\AppData\\Roaming\\Brenvolt\\Tavrix"},
        // A profile outside Shift_JIS stays the same folder.
        {u"C:\\Users\\Zo\u00EB", u"C:\\Users\\Zo\u00EB\\Brenvolt\\Tavrix"},
    };
    for (const auto& c : cases) {
        const std::u16string dir = SettingsDirIn(c.appData);
        EXPECT_EQ(dir, c.dir);
        EXPECT_EQ(ListFileName(dir), dir + u"\\extentions.lst");
        EXPECT_EQ(SettingsFileName(dir), dir + u"\\tavrix.ini");
        // Beside the list file, so the final move never crosses a volume.
        EXPECT_EQ(TempFileName(ListFileName(dir)), dir + u"\\extentions.lst.tmp");
    }
}

TEST(SavedFolder, ExactShiftJisOrExactUtf8AndBackAgain) {
    for (const FolderCase& c : kFolderCases) {
        SCOPED_TRACE(Utf16ToUtf8(c.folder).c_str());
        const SavedFolder saved = SaveFolder(c.folder, kCp932);
        EXPECT_EQ(saved.folder, c.sjis);
        EXPECT_EQ(saved.utf8.has_value(), c.utf8 != nullptr);
        if (c.utf8 && saved.utf8) {
            EXPECT_EQ(*saved.utf8, c.utf8);
        }
        EXPECT_EQ(LoadFolder(saved.folder, saved.utf8, kCp932), c.folder);
    }
}

TEST(LoadFolder, FolderWinsAndNothingUnreadableBecomesAFolder) {
    const struct {
        std::string folder;
        std::optional<std::string> utf8;
        std::optional<std::u16string> loaded; // nothing: cannot be read whole
    } cases[] = {
        // A program that knows only "Folder" may have written it since.
        {"D:\\new", "D:\\old", u"D:\\new"},
        {"", "D:\\caf%c3%a9", u"D:\\caf\u00E9"},
        {"", std::nullopt, u""},
        {"D:\\\x81", std::nullopt, std::nullopt},
        {"", "D:\\%E9", std::nullopt},
        {"", "D:\\%4", std::nullopt},
        {"", "D:\\%G0", std::nullopt},
        {"", "D:\\%C0%AF", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + "|" + c.utf8.value_or("-"));
        EXPECT_EQ(LoadFolder(c.folder, c.utf8, kCp932), c.loaded);
    }
}

} // namespace
