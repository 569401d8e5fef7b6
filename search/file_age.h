// The age a scheduled clean-up asks of a file, on FILETIME counts (100 ns since 1601,
// UTC), as the directory listing reports a file's last write.
#pragma once
#include <cstdint>

constexpr std::uint64_t kFileTimePerDay = 24ull * 60 * 60 * 10'000'000;

// Whether a file last written at `lastWrite` was written more than `days` whole 24-hour
// days before `runStart`. With 0 days every file is. Otherwise a time the listing could
// not give (0) or one after the start cannot prove the file old, so it is not.
bool OlderThanDays(std::uint64_t lastWrite, std::uint64_t runStart, unsigned days);
