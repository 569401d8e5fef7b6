#include "app/settings.h"
#include "base/failure_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/marked_text.h"
#include "support/memory_store.h"
#include "support/native_text.h"

namespace {

using namespace std::string_literals;

const std::u16string kDir = u"C:\\s";

class SettingsStore : public ::testing::Test {
protected:
    void Put(const std::optional<std::string>& ini, const std::optional<std::string>& list) {
        store.files.clear();
        if (ini) store.files[SettingsFileName(kDir)] = *ini;
        if (list) store.files[ListFileName(kDir)] = *list;
    }
    Settings Load() { return LoadSettings(kDir, store, kCp932); }
    // The message of a save; empty when it wrote everything.
    std::u16string Save(const Settings& settings) {
        try {
            SaveSettings(settings, kDir, store, kCp932);
        } catch (const EFileFailure& e) {
            return e.Message();
        }
        return std::u16string();
    }
    std::u16string Text(SettingsFault fault, bool list) const {
        return SettingsFaultText(fault, list ? ListFileName(kDir) : SettingsFileName(kDir), kCp932);
    }
    std::string Ini() { return store.files[SettingsFileName(kDir)]; }
    std::string List() { return store.files[ListFileName(kDir)]; }

    MemoryStore store;
};

TEST_F(SettingsStore, EachValueIsReadWholeOrNotAtAll) {
    const std::string longFolder = "D:\\" + std::string(2051, 'a');
    const struct {
        const char* what;
        std::string ini, list;
        std::optional<std::u16string> folder; // nothing: cannot be read whole
        std::vector<std::string> patterns;
        PatternFile patternFile;
    } cases[] = {
        {"escaped NUL",
         "[Last]\r\nFolder=\r\nFolderUtf8=Z:\\t%00\\A\r\n",
         ".tmp\r\n",
         std::nullopt,
         {".tmp"},
         PatternFile::Whole},
        {"NUL in Folder",
         "[Last]\r\nFolder=Z:\\t\0\\A\r\n"s,
         "",
         std::nullopt,
         {},
         PatternFile::Whole},
        {"NUL in FolderUtf8",
         "[Last]\r\nFolderUtf8=Z:\\t\0\\A\r\n"s,
         "",
         std::nullopt,
         {},
         PatternFile::Whole},
        {"2,054 characters",
         "[Last]\r\nFolder=" + longFolder + "\r\n",
         "",
         Cp932ToUtf16(longFolder),
         {},
         PatternFile::Whole},
        {"UTF-8 with its mark",
         kUtf8Mark + "[Last]\r\nFolder=C:\\表\\café\r\n",
         kUtf8Mark + ".tmp\r\n.表\r\n",
         u"C:\\\u8868\\caf\u00E9",
         {".tmp", ".\x95\x5C"},
         PatternFile::Whole},
        {"UTF-16LE",
         Utf16File(u"[Last]\r\nFolder=C:\\x\r\n", false),
         Utf16File(u".tmp\r\n.b?k", false),
         u"C:\\x",
         {".tmp", ".b?k"},
         PatternFile::Whole},
        {"UTF-16BE",
         Utf16File(u"[Last]\nFolder=C:\\\u8868", true),
         Utf16File(u".tmp\n", true),
         u"C:\\\u8868",
         {".tmp"},
         PatternFile::Whole},
        // Such a line selects nothing: never a look-alike, never cut at its NUL.
        {"lines without a Shift_JIS form",
         "",
         kUtf8Mark + ".tmp\r\n.한\r\n.t\0x\r\n.\xFF\r\n"s,
         u"",
         {".tmp"},
         PatternFile::NotShiftJis},
        {"odd last byte of UTF-16",
         "",
         Utf16File(u".tmp\r\n", false) + "x",
         u"",
         {".tmp"},
         PatternFile::NotShiftJis},
        {"Shift_JIS in a UTF-8 file",
         kUtf8Mark + "[Last]\r\nFolder=C:\\\x95\x5C\r\n",
         "",
         std::nullopt,
         {},
         PatternFile::Whole},
        // No mark: Shift_JIS, as it always was.
        {"UTF-8 in a Shift_JIS file",
         "[Last]\r\nFolder=C:\\caf\xC3\xA9\r\n",
         "\xEF\xBB.t\r\n",
         u"C:\\caf\uFF83\uFF69",
         {"\xEF\xBB.t"},
         PatternFile::Whole},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(c.ini, c.list);
        const Settings settings = Load();
        EXPECT_EQ(settings.folderUnreadable, !c.folder);
        EXPECT_EQ(settings.folder, c.folder.value_or(u""));
        EXPECT_EQ(settings.patterns, c.patterns);
        EXPECT_EQ(settings.patternFile, c.patternFile);
    }

    Put(Utf16File(u"[Location]\r\nLeft=-20\r\nTop=30\r\nWidth=" + std::u16string(5000, u'1') +
                      u"\r\nHeight=400\r\n[Last]\r\nSubFolder=1\r\n",
                  true),
        std::nullopt);
    const Settings marked = Load();
    EXPECT_TRUE(marked.bounds == (Bounds{-20, 30, 0, 400})) << "an overlong number is none";
    EXPECT_TRUE(marked.subfolders);
    store.unreadable.insert(ListFileName(kDir));
    EXPECT_EQ(Load().patternFile, PatternFile::Unread);
}

TEST_F(SettingsStore, OwnFilesStayByteForByteOthersTurnOwnOrStayAsTheyWere) {
    const std::string own = "[Location]\r\nLeft=-40\r\nTop=-30\r\nWidth=600\r\nHeight=420\r\n"
                            "[Last]\r\nFolder=C:\\\x95\x5C\r\nSubFolder=1\r\nNote=\xEF\xBB\r\n";
    const std::string location = "[Location]\r\nLeft=0\r\nTop=0\r\nWidth=0\r\nHeight=0\r\n";
    const struct {
        const char* what;
        std::optional<std::string> ini;
        std::string list, iniAfter, listAfter;
        bool iniKept, listKept;
    } cases[] = {
        {"the program's own, bytes that are no text too", own, ".tmp\r\n.\xEF\xBB\r\n", own,
         ".tmp\r\n.\xEF\xBB\r\n", false, false},
        {"UTF-8, LF", kUtf8Mark + "[Last]\nFolder=C:\\表\nSubFolder=1\n", kUtf8Mark + ".tmp\n",
         "[Last]\r\nFolder=C:\\\x95\x5C\r\nSubFolder=1\r\n" + location, ".tmp\r\n", false, false},
        {"UTF-16, a folder outside Shift_JIS",
         Utf16File(u"[Last]\r\nFolder=C:\\caf\u00E9\r\n", false), "",
         "[Last]\r\nFolder=\r\nSubFolder=0\r\nFolderUtf8=C:\\caf%C3%A9\r\n" + location, "", false,
         false},
        {"UTF-16, a line outside Shift_JIS", Utf16File(u"[Last]\r\nNote=\uD55C\r\n", true), "",
         Utf16File(u"[Last]\r\nNote=\uD55C\r\n", true), "", true, false},
        {"UTF-8 list, a line outside Shift_JIS", std::nullopt, kUtf8Mark + ".tmp\r\n.한\r\n",
         location + "[Last]\r\nFolder=\r\nSubFolder=0\r\n", kUtf8Mark + ".tmp\r\n.한\r\n", false,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(c.ini, c.list);
        std::u16string message;
        if (c.listKept) message = Text(SettingsFault::NotShiftJis, true);
        if (c.iniKept) message = Text(SettingsFault::NotShiftJis, false);
        EXPECT_EQ(Save(Load()), message);
        EXPECT_EQ(Ini(), c.iniAfter);
        EXPECT_EQ(List(), c.listAfter);
    }
    // A list that could not be read was reported at start; its file stays.
    Put(own, ".old\r\n");
    store.unreadable.insert(ListFileName(kDir));
    Settings unread = Load();
    store.unreadable.clear();
    EXPECT_EQ(Save(unread), u"");
    EXPECT_EQ(List(), ".old\r\n");
}

TEST_F(SettingsStore, AWriteThatFailsMidwayLeavesTheOldFilesWhole) {
    const std::string oldIni = "[Last]\r\nFolder=C:\\old\r\nSubFolder=1\r\n", oldList = ".old\r\n";
    const struct {
        bool list; // else the settings file fails
        SaveResult result;
        SettingsFault fault;
    } cases[] = {
        {true, SaveResult::CannotCreate, SettingsFault::CannotCreate},
        {true, SaveResult::CannotWrite, SettingsFault::CannotWrite},
        {false, SaveResult::CannotCreate, SettingsFault::CannotWrite},
        {false, SaveResult::CannotWrite, SettingsFault::CannotWrite},
    };
    Settings changed;
    changed.folder = u"C:\\new";
    changed.patterns = {".new"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list ? "list" : "settings file");
        Put(oldIni, oldList);
        store.failing = {{c.list ? ListFileName(kDir) : SettingsFileName(kDir), c.result}};
        EXPECT_EQ(Save(changed), Text(c.fault, c.list));
        EXPECT_EQ(Ini(), oldIni);
        EXPECT_EQ(List(), c.list ? oldList : ".new\r\n") << "the list goes first";
    }
    // One that cannot even be read at close is never rewritten.
    store.failing.clear();
    Put(oldIni, oldList);
    store.unreadable.insert(SettingsFileName(kDir));
    EXPECT_EQ(Save(changed), Text(SettingsFault::CannotWrite, false));
    EXPECT_EQ(Ini(), oldIni);
}

TEST_F(SettingsStore, FoldersOfAnyLengthReadBackWhole) {
    std::u16string sjis = u"D:\\" + std::u16string(2051, u'a');
    std::u16string utf8 = u"D:\\caf\u00E9";
    utf8.resize(33000, u'b');
    for (const std::u16string& folder : {sjis, utf8}) {
        SCOPED_TRACE(folder.size());
        Put(std::nullopt, std::nullopt);
        Settings settings;
        settings.folder = folder;
        ASSERT_EQ(Save(settings), u"");
        EXPECT_EQ(Load().folder, folder);
    }
}

} // namespace
