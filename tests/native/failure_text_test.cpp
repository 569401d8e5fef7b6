#include "base/failure_text.h"

#include "support/native_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    std::string input;
    std::string output;
};

TEST(ApplicationTitle, NameUpToFirstDotLowerAfterFirst) {
    const TextCase cases[] = {
        {"tavrix.exe", "tavrix"},
        {"TAVRIX.EXE", "Tavrix"},
        {"My.App.exe", "My"},
        {"tAVRIX.exe", "tavrix"},
        {"T.exe", "T"},
        {"noext", "noext"},
        {"NOEXT", "Noext"},
        {".exe", ""},
        {"", ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(ApplicationTitle(c.input, kCp932), c.output) << c.input;
}

TEST(ApplicationTitle, FolderStripped) {
    const TextCase cases[] = {
        {"C:\\Program Files\\Tavrix\\TAVRIX.EXE", "Tavrix"},
        {"C:\\my.dir\\tavrix.exe", "tavrix"},
        {"C:/tools/Tavrix.exe", "Tavrix"},
        {"C:\\a/b\\c.exe", "c"},
        {"C:\\dir\\", ""},
        {"\\\\server\\share\\App.exe", "App"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(ApplicationTitle(c.input, kCp932), c.output) << c.input;
}

TEST(ApplicationTitle, DoubleByteCharactersWhole) {
    const TextCase cases[] = {
        // 表 ends in 0x5C, which is no separator.
        {"C:\\x\\\x95\x5C"
         "ABC.exe",
         "\x95\x5C"
         "abc"},
        {"C:\\\x83\x5C\x83\x74\x83\x67\\TAVRIX.EXE", "Tavrix"},
        // A double-byte first character stays whole: ア is 83 41, ＡＢ are 82 60 82 61.
        {"\x83\x41"
         "BC.exe",
         "\x83\x41"
         "bc"},
        {"\x82\x60\x82\x61.exe", "\x82\x60\x82\x82"},
        // A lead byte cut off by the end is read alone.
        {"AB\x95", "Ab\x95"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(ApplicationTitle(c.input, kCp932), c.output) << c.input;
}

TEST(FailureBoxText, DotWhenLastCharacterSortsAfterDot) {
    const TextCase cases[] = {
        {"", ""},
        {"abc", "abc."},
        {"done.", "done."},
        {"x!", "x!"},
        {"a-", "a-"},
        {"a,", "a,"},
        {"a ", "a "},
        {"a/", "a/."},
        {"Execute Error Code=31", "Execute Error Code=31."},
        {"Execute Error Code=0", "Execute Error Code=0."},
        // ません: a double-byte last character.
        {"\x82\xDC\x82\xB9\x82\xF1", "\x82\xDC\x82\xB9\x82\xF1."},
        // 表 ends in the byte 0x5C, but it is one character above ".".
        {"C:\\\x95\x5C", "C:\\\x95\x5C."},
        // Half-width katakana.
        {"\xB1", "\xB1."},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(FailureBoxText(Cp932ToUtf16(c.input)), Cp932ToUtf16(c.output)) << c.input;
    // A name outside Shift_JIS, as a file failure carries it.
    EXPECT_EQ(FailureBoxText(u"C:\\caf\u00E9"), u"C:\\caf\u00E9.");
}

} // namespace
