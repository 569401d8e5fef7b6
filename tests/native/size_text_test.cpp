#include "app/size_text.h"

#include "support/native_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeText, BytesThenOneDecimalInTheUnitThatStaysBelow1024) {
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {{0, "0 バイト"},           {1023, "1023 バイト"},      {1024, "1.0 KB"},
                 {1075, "1.0 KB"},          {1076, "1.1 KB"},           {1048524, "1023.9 KB"},
                 {1048525, "1.0 MB"},       {1572864, "1.5 MB"},        {1073741823, "1.0 GB"},
                 {5ull << 40, "5120.0 GB"}, {~0ull, "17179869184.0 GB"}};
    for (const auto& c : cases)
        EXPECT_EQ(Cp932ToUtf16(SizeText(c.bytes)), Utf8ToUtf16(c.text)) << c.bytes;
}

} // namespace
