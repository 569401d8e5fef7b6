#include "platform/time_zone.h"

#include <windows.h>

namespace {

LocalTime Parts(const SYSTEMTIME& time, int offsetMinutes) {
    return {time.wYear,   time.wMonth,  time.wDay,    time.wHour,
            time.wMinute, time.wSecond, offsetMinutes};
}

std::int64_t Count(const FILETIME& time) {
    return static_cast<std::int64_t>(std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime);
}

} // namespace

LocalTime LocalTimeAt(std::uint64_t fileTime) {
    const FILETIME at{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    SYSTEMTIME utcParts, localParts;
    FILETIME utc, local;
    if (!FileTimeToSystemTime(&at, &utcParts)) return LocalTime{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utcParts, &localParts) ||
        !SystemTimeToFileTime(&utcParts, &utc) || !SystemTimeToFileTime(&localParts, &local))
        return Parts(utcParts, 0);
    // Both counts from the parts, cut to the millisecond alike: they differ by whole minutes.
    constexpr std::int64_t kPerMinute = 60 * 10'000'000;
    return Parts(localParts, static_cast<int>((Count(local) - Count(utc)) / kPerMinute));
}

std::uint64_t SystemTimeNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return static_cast<std::uint64_t>(Count(now));
}
