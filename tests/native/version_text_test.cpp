#include "app/version_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct VersionCase {
    std::uint16_t major, minor, release, build;
    std::string text;
};

TEST(FormatProductVersion, ShowsFirstThreeNumbers) {
    const VersionCase cases[] = {
        {1, 0, 1, 12, "1.0.1"},
        {2, 3, 4, 5, "2.3.4"},
        {0, 0, 0, 0, "0.0.0"},
        {10, 200, 3000, 65535, "10.200.3000"},
        // Unsigned 16-bit: the top bit of a word is no sign.
        {65535, 65535, 65535, 65535, "65535.65535.65535"},
        {0x8000, 1, 0x8000, 0, "32768.1.32768"},
    };
    for (const VersionCase& c : cases) {
        std::uint32_t ms = std::uint32_t{c.major} << 16 | c.minor;
        std::uint32_t ls = std::uint32_t{c.release} << 16 | c.build;
        EXPECT_EQ(FormatProductVersion(ms, ls), c.text) << c.text;
    }
}

TEST(FormatProductVersion, BuildNumberNeverShown) {
    for (std::uint32_t build : {0u, 1u, 12u, 0xFFFFu})
        EXPECT_EQ(FormatProductVersion(0x00010000, 0x00010000 | build), "1.0.1") << build;
}

} // namespace
