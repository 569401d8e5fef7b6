#include "app/typed_pattern.h"

#include <gtest/gtest.h>

#include <string>

#include "support/native_text.h"

namespace {

TEST(TypedPattern, AsTheEditorAddsIt) {
    const struct {
        std::string typed, pattern;
    } cases[] = {
        {"tmp", ".tmp"},
        {".TMP", ".tmp"},
        {"B?K", ".b?k"},
        {".t*", ".t*"},
        {"", ""},
        {".", ""},
        {"..", ".."},
        // Full-width letters lower-cased; 表 (95 5C) kept whole, its 0x5C no separator.
        {"\x82\x73\x82\x6C\x82\x6F", ".\x82\x94\x82\x8D\x82\x90"},
        {"\x95\x5C", ".\x95\x5C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(TypedPattern(Cp932ToUtf16(c.typed), kCp932), c.pattern);
    }
    // A character without a byte form has no pattern at all, not a look-alike.
    EXPECT_FALSE(TypedPattern(u".caf\u00E9", kCp932));
}

} // namespace
