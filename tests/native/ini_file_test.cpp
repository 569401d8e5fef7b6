#include "app/settings.h"
#include "base/failure_text.h"
#include "base/ini_file.h"
#include "base/ini_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/memory_store.h"
#include "support/native_text.h"

namespace {

TEST(IniFile, ReadsAndWritesAsTheProfileFunctionsDo) {
    TIniFile ini(std::string(), kCp932);
    EXPECT_TRUE(ini.Bytes().empty()) << "nothing until a write";
    EXPECT_EQ(ini.ReadString("S", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("S", "K", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "K", true));
    ini.WriteString("S", "K", "  spaced  ");
    ini.WriteInteger("S", "N", -2147483647 - 1);
    ini.WriteBool("S", "B", true);
    ini.WriteString("S", "J", "\x95\x5C\x83\x5C");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "spaced") << "names in any case";
    EXPECT_EQ(ini.ReadInteger("S", "N", 0), -2147483647 - 1);
    EXPECT_TRUE(ini.ReadBool("S", "B", false));
    EXPECT_EQ(ini.ReadString("S", "J", ""), "\x95\x5C\x83\x5C");
    EXPECT_EQ(ini.Bytes(), "[S]\r\nK=spaced\r\nN=-2147483648\r\nB=1\r\nJ=\x95\x5C\x83\x5C\r\n");

    ini.DeleteKey("S", "N");
    ini.DeleteKey("S", "missing");
    EXPECT_EQ(ini.Bytes(), "[S]\r\nK=spaced\r\nB=1\r\nJ=\x95\x5C\x83\x5C\r\n");

    // Whole, whatever its length: a value cut short would be another one.
    EXPECT_EQ(TIniFile("[S]\r\nLong=" + std::string(3000, 'v') + "\r\n", kCp932)
                  .ReadString("S", "Long", ""),
              std::string(3000, 'v'));
}

TEST(IniFile, RefusedWriteFailsWithThePath) {
    MemoryStore store;
    const std::u16string dir = u"D:\\caf\u00E9";
    store.failing[SettingsFileName(dir)] = SaveResult::CannotWrite;
    try {
        SaveSettings(Settings(), dir, store, kCp932);
        ADD_FAILURE() << "no failure";
    } catch (const EFileFailure& e) {
        EXPECT_EQ(
            e.Message(),
            SettingsFileName(dir) +
                Cp932ToUtf16(" \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1"));
    }
}

TEST(IniText, ValuesAsTheProfileFunctionsReadThem) {
    const std::string file = "K=before any section\r\n"
                             "[Last]\n"
                             "  Folder =  C:\\x  \n"
                             "Quoted=\"a b\"\n"
                             "Single='c'\n"
                             "Half=\"d\n"
                             "Empty=\n"
                             // No closing bracket: the name ends with the line, and the
                             // trail byte 0x5D of 83 5D is no bracket.
                             "[\x83\x5D\r\n"
                             "In=trail\r\n"
                             "[Last]\r\n"
                             "Second=ignored\r\n";
    const struct {
        const char *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"last", "FOLDER", "C:\\x"},      {"Last", "Quoted", "a b"},   {"Last", "Single", "c"},
        {"Last", "Half", "\"d"},          {"Last", "Empty", ""},       {"Last", "K", std::nullopt},
        {"Last", "Second", std::nullopt}, {"\x83\x5D", "In", "trail"}, {"Other", "K", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(IniValue(file, c.section, c.key, kCp932), c.value);
    }
    // A trail byte that looks like a letter is no letter: ア (83 41) is not ヂ... (83 61).
    EXPECT_EQ(IniValue("[S]\r\n\x83\x41=1\r\n", "S", "\x83\x61", kCp932), std::nullopt);
}

TEST(IniText, ChangesTouchOnlyTheirLine) {
    const struct {
        const char* what;
        std::string before;
        std::string after;
    } cases[] = {
        {"replaced in place", "[Last]\nFolder=old\nSubFolder=1\n",
         "[Last]\nFolder=new\nSubFolder=1\n"},
        {"added after the last entry", "[Last]\r\nA=1\r\n\r\n[Next]\r\n",
         "[Last]\r\nA=1\r\nFolder=new\r\n\r\n[Next]\r\n"},
        {"added to a file without a last line end", "[Last]\r\nA=1",
         "[Last]\r\nA=1\r\nFolder=new\r\n"},
        {"section added at the end", "[Location]\r\nLeft=1\r\n",
         "[Location]\r\nLeft=1\r\n[Last]\r\nFolder=new\r\n"},
        {"new file", "", "[Last]\r\nFolder=new\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IniWithValue(c.before, "Last", "Folder", " new ", kCp932), c.after);
    }
    EXPECT_EQ(IniWithoutKey("[Last]\nfolder=x\nSubFolder=1\n", "Last", "Folder", kCp932),
              "[Last]\nSubFolder=1\n");
}

} // namespace
