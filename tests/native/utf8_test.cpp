#include "base/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, EveryNameBackExactly) {
    const std::u16string names[] = {u"",
                                    u"plain",
                                    u"caf\u00E9",
                                    u"\u8868\u30BD",
                                    u"\U0001F600",
                                    u"\xD800",
                                    u"a\xDFFF"
                                    u"b"};
    for (const std::u16string& name : names)
        EXPECT_EQ(FromUtf8(Utf8Of(name)), name);
    EXPECT_EQ(Utf8Of(u"\u00A5\U0001F600"), "\xC2\xA5\xF0\x9F\x98\x80");
}

TEST(Utf8, NoGuessAtBrokenBytes) {
    for (const char* bytes :
         {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\xFF", "a\xE3\x81"})
        EXPECT_EQ(FromUtf8(bytes), std::nullopt) << bytes;
}

} // namespace
