#include "search/file_age.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// 0 days takes every file, even one that cannot prove its age. Otherwise exactly the days
// is not more, and a time of 0 or one after the start proves nothing.
TEST(OlderThanDays, MoreThanWholeDaysBeforeTheStart) {
    constexpr std::uint64_t kStart = 134'000'000'000'000'000, kDay = kFileTimePerDay; // 2025
    for (const auto& [lastWrite, days] : {std::pair{kStart, 0u},
                                          {0, 0u},
                                          {kStart + kDay, 0u},
                                          {kStart - 7 * kDay - 1, 7u},
                                          {kStart - 36500 * kDay - 1, 36500u}})
        EXPECT_TRUE(OlderThanDays(lastWrite, kStart, days)) << lastWrite << " days " << days;
    for (const auto& [lastWrite, days] : {std::pair{kStart - 7 * kDay, 7u},
                                          {0, 7u},
                                          {kStart + 1, 7u},
                                          {kStart - 36500 * kDay, 36500u}})
        EXPECT_FALSE(OlderThanDays(lastWrite, kStart, days)) << lastWrite << " days " << days;
}

} // namespace
