// Code page 932 as the window-free rules use it, one table for the native stand-in
// (support/native_text.h) and for the platform's code page under Wine, so that what
// the native tests and the fuzzers take for code page 932 is what the program gets:
// lead bytes, a text's exact bytes or none, and those bytes lower-cased.
#pragma once
#include "base/code_page.h"

#include <gtest/gtest.h>

#include <string>

struct CodePageCase {
    const char16_t* text;
    const char* bytes;   // nullptr: no exact form
    const char* lowered; // the bytes lower-cased
};

inline const CodePageCase kCodePageCases[] = {
    {u"aZ09.\\", "aZ09.\\", "az09.\\"},
    // Full-width letters, Greek, Cyrillic (its small letters pass over the trail byte
    // 0x7F) and Roman numerals, whose small forms lie in another lead byte.
    {u"\uFF21\uFF3A\uFF41", "\x82\x60\x82\x79\x82\x81", "\x82\x81\x82\x9A\x82\x81"},
    {u"\u0391\u03A9\u03C9", "\x83\x9F\x83\xB6\x83\xD6", "\x83\xBF\x83\xD6\x83\xD6"},
    {u"\u0410\u0401\u041D\u041E\u042F", "\x84\x40\x84\x46\x84\x4E\x84\x4F\x84\x60",
     "\x84\x70\x84\x76\x84\x7E\x84\x80\x84\x91"},
    {u"\u2160\u2169", "\x87\x54\x87\x5D", "\xFA\x40\xFA\x49"},
    // 表 and ソ end in the byte 0x5C, and ア in 0x41: trail bytes are never lowered.
    {u"\u8868\u30BD\u30A2", "\x95\x5C\x83\x5C\x83\x41", "\x95\x5C\x83\x5C\x83\x41"},
    {u"\uFF76\uFF9E", "\xB6\xDE", "\xB6\xDE"},
    // Å (the Ångström sign) lowers to a letter without a two-byte form: it stays.
    {u"\u212B", "\x81\xF0", "\x81\xF0"},
    {u"\uFF5E", "\x81\x60", "\x81\x60"},
    // No exact form, only look-alikes or none at all.
    {u"\u00E9", nullptr, nullptr},
    {u"\u00A5", nullptr, nullptr},
    {u"\u301C", nullptr, nullptr},
    {u"\uD55C", nullptr, nullptr},
    {u"\U0001F600", nullptr, nullptr},
};

inline void ExpectCodePage932(const CodePage& codePage) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(codePage.IsLeadByte(static_cast<unsigned char>(byte)),
                  (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC))
            << byte;
    for (const CodePageCase& c : kCodePageCases) {
        const std::u16string text = c.text;
        SCOPED_TRACE(testing::PrintToString(std::wstring(text.begin(), text.end())));
        std::string bytes;
        const std::size_t converted = codePage.FromUtf16(text.data(), text.size(), bytes);
        if (!c.bytes) {
            EXPECT_EQ(converted, 0u);
            EXPECT_EQ(bytes, "");
            continue;
        }
        EXPECT_EQ(converted, text.size());
        EXPECT_EQ(bytes, c.bytes);
        std::u16string back;
        EXPECT_TRUE(codePage.ToUtf16(bytes.data(), bytes.size(), back));
        EXPECT_EQ(back, text);
        codePage.Lower(&bytes[0], bytes.size());
        EXPECT_EQ(bytes, c.lowered);
    }
}
